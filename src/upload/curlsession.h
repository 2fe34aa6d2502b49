#pragma once

#include <QIODevice>

#include <curl/curl.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <set>

// Everything the worker thread and libcurl's callbacks share. The sockets are remembered so that
// Abort can shut them down: that wakes libcurl at once from any wait, where its progress callback
// alone is only asked now and then.
struct TCurlSession {
    CURL *handle = nullptr;
    // The connection lives in the multi handle's cache between transfers.
    CURLM *multi = nullptr;
    char errorText[CURL_ERROR_SIZE] = {};
    std::mutex socketsLock;
    std::set<curl_socket_t> sockets;
    std::atomic<bool> *abort = nullptr;
    QIODevice *upload = nullptr;
    // Where a listing goes as it arrives; capped, since only a glance at the folder is wanted.
    QByteArray *download = nullptr;
    // Called on the worker thread as a file goes out.
    std::function<void(qint64 sent, qint64 total)> progressReport;
    qint64 lastReported = -1;
    bool hostKeyChanged = false;

    // libcurl's callbacks; data is the session.
    static int checkHostKey(CURL *, const struct curl_khkey *, const struct curl_khkey *,
                            enum curl_khmatch match, void *data);
    static size_t discard(char *, size_t size, size_t count, void *);
    static size_t collect(char *buffer, size_t size, size_t count, void *data);
    static curl_socket_t openSocket(void *data, curlsocktype, struct curl_sockaddr *address);
    static int closeSocket(void *data, curl_socket_t fd);
    static int progress(void *data, curl_off_t, curl_off_t, curl_off_t total, curl_off_t sent);
    static size_t read(char *buffer, size_t size, size_t count, void *data);
    // One transfer, driven by hand rather than by curl_easy_perform: libcurl here can sit out a
    // full second between a passive-mode reply and the data connection when it has no socket to
    // wait on, and a short poll bounds that to a few milliseconds. It also notices Abort at once.
    int perform();
    // Closing the connections says goodbye to the server.
    void close();
    void shutdownSockets();
};
