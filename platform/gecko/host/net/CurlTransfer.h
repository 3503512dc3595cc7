// One HTTP transfer on an easy handle: the request's options, and what libcurl's callbacks
// gathered (the header block of the final response, body bytes not yet handed on, the end).
// CurlTransfers owns it and delivers what it holds to the listener.
#ifndef GECKOHOST_NET_CURLTRANSFER_H
#define GECKOHOST_NET_CURLTRANSFER_H

#include <string>

#include "net/TransferListener.h"
#include "net/TransferRequest.h"

typedef void CURL;
struct curl_slist;

namespace geckohost::net {

class CurlTransfer {
 public:
  CurlTransfer(const TransferRequest& request, TransferListener& listener);
  ~CurlTransfer();
  CurlTransfer(const CurlTransfer&) = delete;
  CurlTransfer& operator=(const CurlTransfer&) = delete;

  CURL* handle() const { return mEasy; }
  TransferListener& listener() const { return mListener; }

  // What has arrived and not been handed on yet.
  bool headersReady() const { return mHeadersComplete && !mHeadersDelivered; }
  void markHeadersDelivered() { mHeadersDelivered = true; }
  bool headersDelivered() const { return mHeadersDelivered; }
  int status() const { return mStatus; }
  const std::string& statusText() const { return mStatusText; }
  const HeaderList& headers() const { return mHeaders; }
  std::string takeBody();

  // curl_multi_info_read said the transfer ended, with `failure` ("" for success).
  void setEnded(std::string failure);
  bool ended() const { return mEnded; }
  const std::string& failure() const { return mFailure; }

 private:
  static size_t onHeader(char* data, size_t size, size_t count, void* self);
  static size_t onBody(char* data, size_t size, size_t count, void* self);
  void headerLine(std::string line);

  CURL* mEasy;
  curl_slist* mRequestHeaders = nullptr;
  std::string mRequestBody;
  TransferListener& mListener;  // weak; the listener cancels the transfer before it goes
  int mStatus = 0;
  std::string mStatusText;
  HeaderList mHeaders;
  bool mHeadersComplete = false;
  bool mHeadersDelivered = false;
  std::string mBody;
  bool mEnded = false;
  std::string mFailure;
};

}  // namespace geckohost::net

#endif
