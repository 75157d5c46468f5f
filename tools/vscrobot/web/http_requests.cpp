// Refusals that need no body (429, 403, 413 by Content-Length) are sent before it is read;
// the body goes through the post processor up to the limit, and a body past four times the
// limit, or a client still sending after four timeouts, has its connection dropped.
#include "vscrobot/web/http_requests.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cstring>
#include <string>

#include "vscrobot/cli/robot_options.h"
#include "vscrobot/intake/utc_time.h"
#include "vscrobot/web/http_server.h"
#include "vscrobot/web/robot_site.h"

namespace {

const char Policy[] = "default-src 'none'; style-src 'unsafe-inline'; img-src data:; "
                      "form-action 'self'; base-uri 'none'; frame-ancestors 'none'";

struct Request {
    MHD_PostProcessor* form = nullptr;
    std::string file;
    std::string text;
    bool fileSeen = false;
    bool textSeen = false;
    unsigned long long received = 0;
    bool tooBig = false;
    int64_t began = 0;
};

MHD_Result send(MHD_Connection* connection, const HttpReply& reply)
{
    MHD_Response* response = MHD_create_response_from_buffer(
        reply.body.size(), const_cast<char*>(reply.body.data()), MHD_RESPMEM_MUST_COPY);
    if (response == nullptr) {
        return MHD_NO;
    }
    MHD_add_response_header(response, "Content-Type", reply.contentType.c_str());
    MHD_add_response_header(response, "Content-Security-Policy", Policy);
    MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
    MHD_add_response_header(response, "Referrer-Policy", "no-referrer");
    MHD_add_response_header(response, "Cache-Control", "no-store");
    for (const auto& header : reply.headers) {
        MHD_add_response_header(response, header.first.c_str(), header.second.c_str());
    }
    const MHD_Result queued = MHD_queue_response(connection, reply.status, response);
    MHD_destroy_response(response);
    return queued;
}

std::string clientAddress(MHD_Connection* connection, const ServerSettings& settings)
{
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    char text[INET6_ADDRSTRLEN] = "";
    if (info != nullptr && info->client_addr != nullptr) {
        const sockaddr* address = info->client_addr;
        if (address->sa_family == AF_INET) {
            inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text,
                      sizeof text);
        } else if (address->sa_family == AF_INET6) {
            inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr,
                      text, sizeof text);
        }
    }
    const std::string peer = text;
    if (settings.trustedProxy.empty() || peer != settings.trustedProxy) {
        return peer;
    }
    const char* forwarded =
        MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "X-Forwarded-For");
    if (forwarded == nullptr) {
        return peer;
    }
    // The proxy appends the address it saw; what stands before it the client wrote.
    std::string list = forwarded;
    const std::size_t comma = list.rfind(',');
    std::string last = comma == std::string::npos ? list : list.substr(comma + 1);
    const std::size_t first = last.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return peer;
    }
    last = last.substr(first, last.find_last_not_of(" \t") - first + 1);
    return last;
}

// The file field, sent with a file name or (from a script) without one, and the pasted text.
MHD_Result formField(void* state, MHD_ValueKind, const char* key, const char*, const char*,
                     const char*, const char* data, uint64_t, size_t size)
{
    auto* request = static_cast<Request*>(state);
    std::string* field = std::strcmp(key, "log") == 0    ? &request->file
                         : std::strcmp(key, "text") == 0 ? &request->text
                                                         : nullptr;
    if (field != nullptr) {
        (field == &request->file ? request->fileSeen : request->textSeen) = true;
        if (size > 0) {
            field->append(data, size);
        }
    }
    return MHD_YES;
}

// The first call, with the headers only: what can be answered before the body.
MHD_Result beginUpload(HttpServer& server, MHD_Connection* connection, Request& request)
{
    const int64_t now = nowSeconds();
    request.began = now;
    const int64_t wait = server.rate().retryAfter(clientAddress(connection, server.settings()), now);
    if (wait > 0) {
        HttpReply reply = messageReply(429, "Too many uploads",
                                       "Too many uploads from your address in the last minute; "
                                       "try again in " + std::to_string(wait) + " seconds.");
        reply.headers.emplace_back("Retry-After", std::to_string(wait));
        return send(connection, reply);
    }
    const std::string closed = server.site().closed(now);
    if (!closed.empty()) {
        return send(connection, messageReply(403, "Uploads not taken now", closed));
    }
    const char* length =
        MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Content-Length");
    unsigned long long size = 0;
    const unsigned long long limit = server.site().maxBody();
    if (length != nullptr && readCount(length, 0, ~0ULL >> 8, size) && size > limit) {
        return send(connection, messageReply(413, "Log too large",
                                             "The upload is larger than the limit of " +
                                                 std::to_string(limit) + " bytes."));
    }
    request.form = MHD_create_post_processor(connection, 16 * 1024, &formField, &request);
    if (request.form == nullptr) {
        return send(connection, messageReply(400, "Not a form upload",
                                             "The upload is not a multipart/form-data form."));
    }
    return MHD_YES;
}

MHD_Result takeBody(HttpServer& server, Request& request, const char* data, size_t* size)
{
    const unsigned long long limit = server.site().maxBody();
    request.received += *size;
    if (request.received > 4 * limit ||
        nowSeconds() - request.began > 4 * static_cast<int64_t>(server.settings().timeoutSeconds)) {
        return MHD_NO;
    }
    if (request.received > limit) {
        request.tooBig = true;
    } else if (request.form != nullptr && MHD_post_process(request.form, data, *size) != MHD_YES) {
        // Malformed: finishUpload sees no form and says so.
        MHD_destroy_post_processor(request.form);
        request.form = nullptr;
    }
    *size = 0;
    return MHD_YES;
}

MHD_Result finishUpload(HttpServer& server, MHD_Connection* connection, Request& request)
{
    if (request.tooBig) {
        return send(connection, messageReply(413, "Log too large",
                                             "The upload is larger than the limit of " +
                                                 std::to_string(server.site().maxBody()) +
                                                 " bytes."));
    }
    const bool whole = request.form != nullptr && MHD_destroy_post_processor(request.form) == MHD_YES;
    request.form = nullptr;
    if (!whole) {
        return send(connection, messageReply(400, "Malformed upload",
                                             "The form's multipart body could not be read."));
    }
    const bool useFile = request.fileSeen && (!request.file.empty() || !request.textSeen ||
                                              request.text.empty());
    if (!request.fileSeen && !request.textSeen) {
        return send(connection, messageReply(400, "No log in the upload",
                                             "The form held no file named log and no text."));
    }
    return send(connection, server.site().submit(useFile ? request.file : request.text,
                                                 nowSeconds()));
}

}  // namespace

MHD_Result handleRequest(void* cls, MHD_Connection* connection, const char* url,
                         const char* method, const char*, const char* uploadData,
                         size_t* uploadDataSize, void** requestState)
{
    auto& server = *static_cast<HttpServer*>(cls);
    const bool post = std::strcmp(method, MHD_HTTP_METHOD_POST) == 0;
    const bool get = std::strcmp(method, MHD_HTTP_METHOD_GET) == 0 ||
                     std::strcmp(method, MHD_HTTP_METHOD_HEAD) == 0;
    if (*requestState == nullptr) {
        auto* request = new Request;
        *requestState = request;
        if (get) {
            // Answered once the request is whole, so the connection can be kept open.
            return MHD_YES;
        }
        if (!post || std::strcmp(url, "/submit") != 0) {
            HttpReply reply = messageReply(405, "Not allowed",
                                           "Only GET, and POST to /submit, are answered here.");
            reply.headers.emplace_back("Allow", post ? "GET, HEAD" : "GET, HEAD, POST");
            return send(connection, reply);
        }
        return beginUpload(server, connection, *request);
    }
    auto& request = *static_cast<Request*>(*requestState);
    if (get) {
        *uploadDataSize = 0;
        return send(connection, server.site().get(url));
    }
    if (*uploadDataSize != 0) {
        return takeBody(server, request, uploadData, uploadDataSize);
    }
    return finishUpload(server, connection, request);
}

void requestCompleted(void*, MHD_Connection*, void** requestState, MHD_RequestTerminationCode)
{
    auto* request = static_cast<Request*>(*requestState);
    if (request != nullptr) {
        if (request->form != nullptr) {
            MHD_destroy_post_processor(request->form);
        }
        delete request;
        *requestState = nullptr;
    }
}
