// The once-per-load set-up of the host: reach its running automation object and send it the
// two command texts.
#pragma once

#include <cstdint>

#include "hostauto/host_application.h"

// The host's automation object is registered under this programmatic identifier.
inline constexpr const char* HostProgId = "Ravo2.Application";

// One attempt. When the host's object is found, host keeps its dispatch reference; setupSent
// becomes 1 once both texts were sent. A call to the host that fails leaves setupSent alone
// and drops the reference, so that the next attempt starts clean. Nothing is shown.
void SetUpHost(CHostApplication& host, int32_t& setupSent);
