#pragma once
// Transport doubles: every GET and upload is recorded and stays pending
// until the test answers it, as a real network would answer later.
#include "exchange/Transport.h"

#include <deque>
#include <string>

namespace tavrio::exchange::test {

class FakeHttp final : public cHttpClient {
public:
    struct Request {
        std::string url;
        std::size_t maxBody;
        std::function<void(const cHttpReply&)> done;
    };
    bool refuse = false; // Get returns false, as for a request that cannot start

    bool Get(const std::string& url, std::size_t maxBody, std::function<void(const cHttpReply&)> done) override
    {
        urls.push_back(url);
        if (refuse)
            return false;
        pending.push_back({url, maxBody, std::move(done)});
        return true;
    }
    // Answers the oldest pending request.
    void answer(int status, const std::string& body) { finish({true, status, body}); }
    void fail() { finish({false, 0, {}}); }
    void finish(const cHttpReply& reply)
    {
        Request r = std::move(pending.front());
        pending.pop_front();
        r.done(reply);
    }

    std::deque<std::string> urls;
    std::deque<Request> pending;
};

class FakeSocket final : public cSocketClient {
public:
    struct Exchange_ {
        std::string host;
        int port;
        std::string request;
        std::size_t maxReply;
        std::function<bool(const std::string&)> complete;
        std::function<void(bool, const std::string&)> done;
    };
    bool refuse = false;

    bool Exchange(const std::string& host, int port, const std::string& request, std::size_t maxReply,
                  std::function<bool(const std::string&)> complete,
                  std::function<void(bool, const std::string&)> done) override
    {
        if (refuse)
            return false;
        pending.push_back({host, port, request, maxReply, std::move(complete), std::move(done)});
        return true;
    }
    void reply(const std::string& bytes, bool failed = false)
    {
        Exchange_ e = std::move(pending.front());
        pending.pop_front();
        e.done(failed, bytes);
    }

    std::deque<Exchange_> pending;
};

} // namespace tavrio::exchange::test
