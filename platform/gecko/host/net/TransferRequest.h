// What a transfer asks for: method, absolute URL, request headers and body. Made by
// XMLHttpRequest, carried out by the NetworkService.
#ifndef GECKOHOST_NET_TRANSFERREQUEST_H
#define GECKOHOST_NET_TRANSFERREQUEST_H

#include <string>
#include <utility>
#include <vector>

namespace geckohost::net {

using HeaderList = std::vector<std::pair<std::string, std::string>>;

struct TransferRequest {
  std::string method = "GET";
  std::string url;
  HeaderList headers;
  std::string body;
  bool hasBody = false;
  // Credentials for HTTP authentication; none when the user is empty.
  std::string user;
  std::string password;
};

}  // namespace geckohost::net

#endif
