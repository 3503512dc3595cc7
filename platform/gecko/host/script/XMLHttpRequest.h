// XMLHttpRequest as Gecko 1.9.2 offered it to page script, without the script: the states,
// the request it builds, what came back, and the events it fires (to an Observer, which the
// script binding turns into script events).
//
//   open()                 readyState 1, readystatechange
//   headers arrived        readyState 2, readystatechange
//   each piece of body     readyState 3, readystatechange, progress
//   end                    readyState 4, readystatechange, load
//   network failure        readyState 4 (status 0), readystatechange, then error
//   abort() while sending  readyState 4, readystatechange, abort; then 0 without an event
//
// A synchronous request (open's async false) does all of it inside send().
#ifndef GECKOHOST_SCRIPT_XMLHTTPREQUEST_H
#define GECKOHOST_SCRIPT_XMLHTTPREQUEST_H

#include <cstdint>
#include <optional>
#include <string>

#include "net/TransferListener.h"
#include "net/TransferRequest.h"
#include "net/URI.h"

namespace geckohost::net {
class NetworkService;
}

namespace geckohost::script {

class XMLHttpRequest final : public net::TransferListener {
 public:
  enum State { kUnsent = 0, kOpened = 1, kHeadersReceived = 2, kLoading = 3, kDone = 4 };
  // Why a call was refused; the binding throws the DOM exception of that name.
  enum class Refusal { None, InvalidState, Syntax, Security };

  struct Event {
    const char* type;  // "readystatechange", "progress", "load", "error", "abort"
    uint64_t loaded = 0;
    uint64_t total = 0;
    bool lengthComputable = false;
  };
  class Observer {
   public:
    virtual void fire(XMLHttpRequest& request, const Event& event) = 0;
    // The transfer ended (after the last event of its end).
    virtual void settled(XMLHttpRequest& request) = 0;

   protected:
    ~Observer() = default;
  };

  // Relative URLs resolve against `base` (the page's).
  XMLHttpRequest(net::NetworkService& network, net::URI base, Observer& observer);
  ~XMLHttpRequest();
  XMLHttpRequest(const XMLHttpRequest&) = delete;
  XMLHttpRequest& operator=(const XMLHttpRequest&) = delete;

  Refusal open(const std::string& method, const std::string& url, bool async,
               const std::string& user, const std::string& password);
  Refusal setRequestHeader(const std::string& name, const std::string& value);
  // `body` is sent with methods other than GET and HEAD.
  Refusal send(const std::optional<std::string>& body);
  void abort();
  // Stops the transfer without events (the page is going).
  void abortQuietly();
  void overrideMimeType(const std::string& type) { mOverriddenType = type; }

  int readyState() const { return mState; }
  int status() const { return mStatus; }
  const std::string& statusText() const { return mStatusText; }
  // The body as received (UTF-8 text for the pages this host serves).
  const std::string& responseText() const { return mResponse; }
  // A response header by name (any case); nothing before the headers arrived or when absent.
  std::optional<std::string> responseHeader(const std::string& name) const;
  // "Name: value\r\n" for each response header; "" before the headers arrived.
  std::string allResponseHeaders() const;
  // Whether a sent request waits for the network.
  bool inFlight() const { return mSending; }

  // net::TransferListener
  void responseStarted(int status, const std::string& statusText,
                       const net::HeaderList& headers) override;
  void dataReceived(std::string_view data) override;
  void transferFinished() override;
  void transferFailed(const std::string& reason) override;

 private:
  void changeState(State state);
  void fire(const char* type);
  void resetResponse();

  net::NetworkService& mNetwork;  // weak; the host's, outliving every page
  net::URI mBase;
  Observer& mObserver;  // weak; the binding owns us
  State mState = kUnsent;
  bool mAsync = true;
  bool mSending = false;  // between send() and the end, failure or abort
  net::TransferRequest mRequest;
  uint64_t mTransfer = 0;
  int mStatus = 0;
  std::string mStatusText;
  net::HeaderList mResponseHeaders;
  std::string mResponse;
  std::string mOverriddenType;
  std::optional<uint64_t> mExpectedLength;
};

}  // namespace geckohost::script

#endif
