// libmicrohttpd's request callbacks for the robot: each request's state from its headers to
// its reply.
#pragma once

#include <microhttpd.h>

MHD_Result handleRequest(void* server, MHD_Connection* connection, const char* url,
                         const char* method, const char* version, const char* uploadData,
                         size_t* uploadDataSize, void** requestState);

void requestCompleted(void* unused, MHD_Connection* connection, void** requestState,
                      MHD_RequestTerminationCode why);
