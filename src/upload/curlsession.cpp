#include "curlsession.h"

#include <sys/socket.h>
#include <unistd.h>

int TCurlSession::checkHostKey(CURL *, const struct curl_khkey *, const struct curl_khkey *,
                               enum curl_khmatch match, void *data)
{
    auto *state = static_cast<TCurlSession *>(data);
    switch (match) {
    case CURLKHMATCH_OK:
        return CURLKHSTAT_FINE;
    case CURLKHMATCH_MISSING:
        // First contact: trust the key and remember it, as ssh itself offers to.
        return CURLKHSTAT_FINE_ADD_TO_FILE;
    default:
        state->hostKeyChanged = true;
        return CURLKHSTAT_REJECT;
    }
}

size_t TCurlSession::discard(char *, size_t size, size_t count, void *)
{
    return size * count;
}

size_t TCurlSession::collect(char *buffer, size_t size, size_t count, void *data)
{
    auto *state = static_cast<TCurlSession *>(data);
    constexpr qsizetype limit = 1024 * 1024;
    const qsizetype bytes = qsizetype(size * count);
    if (state->download && state->download->size() < limit)
        state->download->append(buffer, qMin(bytes, limit - state->download->size()));
    return size * count;
}

curl_socket_t TCurlSession::openSocket(void *data, curlsocktype, struct curl_sockaddr *address)
{
    auto *state = static_cast<TCurlSession *>(data);
    const curl_socket_t fd = ::socket(address->family, address->socktype, address->protocol);
    if (fd != CURL_SOCKET_BAD) {
        std::lock_guard lock(state->socketsLock);
        state->sockets.insert(fd);
        if (state->abort->load())
            ::shutdown(fd, SHUT_RDWR);
    }
    return fd;
}

int TCurlSession::closeSocket(void *data, curl_socket_t fd)
{
    auto *state = static_cast<TCurlSession *>(data);
    {
        std::lock_guard lock(state->socketsLock);
        state->sockets.erase(fd);
    }
    return ::close(fd);
}

int TCurlSession::progress(void *data, curl_off_t, curl_off_t, curl_off_t total, curl_off_t sent)
{
    auto *state = static_cast<TCurlSession *>(data);
    if (state->abort->load())
        return 1;
    if (state->upload && sent != state->lastReported &&
        (sent == total || sent - state->lastReported >= 256 * 1024)) {
        state->lastReported = sent;
        if (state->progressReport)
            state->progressReport(sent, total);
    }
    return 0;
}

size_t TCurlSession::read(char *buffer, size_t size, size_t count, void *data)
{
    auto *state = static_cast<TCurlSession *>(data);
    if (state->abort->load())
        return CURL_READFUNC_ABORT;
    const qint64 got = state->upload->read(buffer, qint64(size * count));
    return got < 0 ? CURL_READFUNC_ABORT : size_t(got);
}

int TCurlSession::perform()
{
    if (!multi)
        multi = curl_multi_init();
    curl_multi_add_handle(multi, handle);
    int running = 1;
    CURLcode result = CURLE_OK;
    while (running) {
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        if (running && abort->load()) {
            result = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        if (running)
            curl_multi_poll(multi, nullptr, 0, 10, nullptr);
    }
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(multi, &left)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == handle)
            result = message->data.result;
    }
    curl_multi_remove_handle(multi, handle);
    return int(result);
}

void TCurlSession::close()
{
    if (multi)
        curl_multi_cleanup(multi);
    multi = nullptr;
    if (handle)
        curl_easy_cleanup(handle);
    handle = nullptr;
}

void TCurlSession::shutdownSockets()
{
    std::lock_guard lock(socketsLock);
    for (curl_socket_t fd : sockets)
        ::shutdown(fd, SHUT_RDWR);
}
