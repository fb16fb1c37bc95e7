// The HTTP transport against a loopback server that sends its answers in pieces: an answer
// spread over several pieces arrives whole, one that keeps trickling past the answer timeout is
// given up with its own message, and the connection still serves the next call.
#include "HttpTransport.h"

#include "DataPacket.h"
#include "SysUtils.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr const char* kContentType = "application/x-msgpack";

// Pieces of an answer without a length announced (chunked), `pause` apart.
void SendInPieces(httplib::Response& response, std::string whole, size_t pieceBytes, std::chrono::milliseconds pause,
                  const std::atomic<bool>& stopping) {
    response.set_chunked_content_provider(
        kContentType, [whole = std::move(whole), pieceBytes, pause, &stopping](size_t offset, httplib::DataSink& sink) {
            if (stopping || offset >= whole.size()) {
                sink.done();
                return true;
            }
            std::this_thread::sleep_for(pause);
            return sink.write(whole.data() + offset, std::min(pieceBytes, whole.size() - offset));
        });
}

class HttpTransportAnswers : public ::testing::Test {
protected:
    void SetUp() override {
        server_.set_keep_alive_timeout(1);
        server_.Post("/rdm/Echo", [](const httplib::Request& request, httplib::Response& response) {
            response.set_content(request.body, kContentType);
        });
        // The echo of the arguments, three bytes at a time, well within the answer timeout.
        server_.Post("/rdm/Pieces", [this](const httplib::Request& request, httplib::Response& response) {
            SendInPieces(response, request.body, 3, std::chrono::milliseconds(10), stopping_);
        });
        // Fifty bytes, one each 0.1 s: five seconds, far past the one-second timeout, yet an end a
        // transport without a whole-answer deadline would wait for.
        server_.Post("/rdm/Drip", [this](const httplib::Request&, httplib::Response& response) {
            SendInPieces(response, std::string(50, '\x93'), 1, std::chrono::milliseconds(100), stopping_);
        });
        server_.Post("/rdm/Refuse", [](const httplib::Request&, httplib::Response& response) {
            response.status = 503;
            response.set_content("manutenção programada", "text/plain");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::yield();
    }
    void TearDown() override {
        stopping_ = true;
        server_.stop();
        thread_.join();
    }

    // The message of the Exception the call raises ("" when it returns).
    static std::string Failure(HttpTransport& transport, const std::string& method) {
        try {
            transport.Call(method, {});
        } catch (const Exception& error) {
            return error.Message();
        }
        return "";
    }

    httplib::Server server_;
    std::thread thread_;
    std::atomic<bool> stopping_ = false;
    int port_ = 0;
};

TEST_F(HttpTransportAnswers, AnAnswerInManyPiecesArrivesWhole) {
    HttpTransport transport("127.0.0.1", port_, "", 5);
    const Variant::Array args{"uma lista de argumentos longa o bastante para muitos pedaços", 42, Variant()};
    EXPECT_EQ(transport.Call("Pieces", args), Variant(args));
}

TEST_F(HttpTransportAnswers, AnAnswerTricklingPastTheTimeoutIsGivenUpAndTheNextCallWorks) {
    HttpTransport transport("127.0.0.1", port_, "", 1);
    EXPECT_EQ(Failure(transport, "Drip"), "O servidor de aplicação em 127.0.0.1:" + std::to_string(port_) +
                                              " não concluiu a resposta a Drip no prazo de 1 s.");
    // The rest of the trickle must not be read as the next answer.
    EXPECT_EQ(transport.Call("Echo", {"de novo"}), VarArrayOf({"de novo"}));
}

TEST_F(HttpTransportAnswers, ARefusalQuotesTheStatusAndTheServersText) {
    HttpTransport transport("127.0.0.1", port_, "", 5);
    EXPECT_EQ(Failure(transport, "Refuse"),
              "O servidor de aplicação recusou a chamada Refuse (HTTP 503): manutenção programada");
}

}  // namespace
