#include "PageActions.h"

#include <cstdlib>

#include "nsIDOMDocument.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindow.h"
#include "nsStringAPI.h"

namespace {

bool parseNumber(const std::string& text, long& value) {
  char* end = nullptr;
  value = strtol(text.c_str(), &end, 10);
  return !text.empty() && *end == '\0';
}

}  // namespace

nsCOMPtr<nsIDOMElement> PageActions::find(const std::string& selector, std::string& error) {
  nsCOMPtr<nsIDOMElement> element;
  nsCOMPtr<nsIDOMDocument> document = m_window.document(m_window.selectedTab());
  if (!document) {
    error = "the window shows no document";
    return element;
  }
  if (!selector.empty() && selector[0] == '#') {
    document->GetElementById(NS_ConvertUTF8toUTF16(selector.c_str() + 1), getter_AddRefs(element));
    if (!element)
      error = "no element matches '" + selector + "'";
    return element;
  }
  std::string tag = selector;
  long index = 0;
  size_t colon = selector.find(':');
  if (colon != std::string::npos) {
    tag = selector.substr(0, colon);
    if (!parseNumber(selector.substr(colon + 1), index) || index < 0) {
      error = "bad selector '" + selector + "'";
      return element;
    }
  }
  nsCOMPtr<nsIDOMNodeList> list;
  document->GetElementsByTagName(NS_ConvertUTF8toUTF16(tag.c_str()), getter_AddRefs(list));
  nsCOMPtr<nsIDOMNode> node;
  if (list && !tag.empty())
    list->Item(static_cast<PRUint32>(index), getter_AddRefs(node));
  element = do_QueryInterface(node);
  if (!element)
    error = "no element matches '" + selector + "'";
  return element;
}

bool PageActions::focus(const std::string& selector, std::string& error) {
  nsCOMPtr<nsIDOMElement> element = find(selector, error);
  if (!element)
    return false;
  if (!m_window.focusElement(element)) {
    error = "cannot focus '" + selector + "'";
    return false;
  }
  return true;
}

// Typing goes where the caret is put by focusing: at the end of the current value.
bool PageActions::type(const std::string& selector, const std::string& text, std::string& error) {
  if (!focus(selector, error))
    return false;
  nsCOMPtr<nsIDOMElement> element = find(selector, error);
  nsCOMPtr<nsIDOMHTMLInputElement> input = do_QueryInterface(element);
  nsCOMPtr<nsIDOMHTMLTextAreaElement> area = do_QueryInterface(element);
  nsString_external value;
  if (input) {
    input->GetValue(value);
    value.Append(NS_ConvertUTF8toUTF16(text.c_str()));
    input->SetValue(value);
  } else if (area) {
    area->GetValue(value);
    value.Append(NS_ConvertUTF8toUTF16(text.c_str()));
    area->SetValue(value);
  } else {
    error = "'" + selector + "' does not take text";
    return false;
  }
  return true;
}

bool PageActions::select(const std::string& selector, const std::string& index,
                         std::string& error) {
  long number = 0;
  if (!parseNumber(index, number)) {
    error = "bad option index '" + index + "'";
    return false;
  }
  nsCOMPtr<nsIDOMHTMLSelectElement> list = do_QueryInterface(find(selector, error));
  if (!list) {
    if (error.empty())
      error = "'" + selector + "' is not a select element";
    return false;
  }
  list->SetSelectedIndex(static_cast<PRInt32>(number));
  return true;
}

bool PageActions::scroll(const std::string& x, const std::string& y, std::string& error) {
  long left = 0;
  long top = 0;
  if (!parseNumber(x, left) || !parseNumber(y, top)) {
    error = "scroll wants two numbers";
    return false;
  }
  nsCOMPtr<nsIDOMWindow> window = m_window.domWindow(m_window.selectedTab());
  if (!window) {
    error = "the window shows no page";
    return false;
  }
  window->ScrollTo(static_cast<PRInt32>(left), static_cast<PRInt32>(top));
  return true;
}

bool PageActions::cookie(const std::vector<std::string>& action, std::string& error) {
  geckohost::Cookie cookie;
  cookie.host = action[1];
  cookie.path = action[2];
  cookie.name = action[3];
  cookie.value = action[4];
  cookie.isDomain = !cookie.host.empty() && cookie.host[0] == '.';
  if (cookie.host.size() < (cookie.isDomain ? 2u : 1u) || cookie.path.empty() ||
      cookie.path[0] != '/') {
    error = "cookie wants a host and a path starting with /";
    return false;
  }
  m_host.addCookie(cookie);
  return true;
}

bool PageActions::open(const std::string& selector, std::string& error) {
  nsCOMPtr<nsIDOMElement> element = find(selector, error);
  if (!element)
    return false;
  if (!m_window.openDropDown(element)) {
    error = "'" + selector + "' is not a drop-down select";
    return false;
  }
  m_window.paint();
  return true;
}

bool PageActions::dialog(const std::string& kind, const std::string& message, std::string& error) {
  static const std::pair<const char*, geckohost::DialogKind> kKinds[] = {
      {"alert", geckohost::DialogKind::Alert},   {"confirm", geckohost::DialogKind::Confirm},
      {"prompt", geckohost::DialogKind::Prompt}, {"helperapp", geckohost::DialogKind::HelperApp},
      {"find", geckohost::DialogKind::Find},     {"cookie", geckohost::DialogKind::CookieAccept},
  };
  for (const auto& [name, value] : kKinds) {
    if (kind != name)
      continue;
    geckohost::DialogOptions options;
    options.kind = value;
    options.message = message;
    geckohost::DialogWindow& shown = m_host.openDialog(m_window, options);
    shown.paint();
    return true;
  }
  error = "unknown dialog '" + kind + "' (alert, confirm, prompt, helperapp, find, cookie)";
  return false;
}

bool PageActions::answer(const std::string& what, std::string& error) {
  geckohost::DialogWindow* shown = m_host.lastOpenDialog();
  if (!shown) {
    error = "no dialog is open";
    return false;
  }
  static const std::string kTextPrefix = "text:";
  if (what.compare(0, kTextPrefix.size(), kTextPrefix) == 0) {
    if (!shown->setText(what.substr(kTextPrefix.size()))) {
      error = "the dialog has no text box";
      return false;
    }
    return shown->press("accept");
  }
  if (!shown->press(what)) {
    error = "the dialog has no button '" + what + "'";
    return false;
  }
  return true;
}

bool PageActions::findBar(const std::string& text, std::string& error) {
  nsCOMPtr<nsIDOMDocument> chrome = m_window.chromeDocument();
  nsCOMPtr<nsIDOMElement> field;
  if (chrome)
    chrome->GetElementById(NS_LITERAL_STRING("find-field"), getter_AddRefs(field));
  if (!field) {
    error = "the browser has no find bar";
    return false;
  }
  m_window.setFindBarShown(true);
  field->SetAttribute(NS_LITERAL_STRING("value"), NS_ConvertUTF8toUTF16(text.c_str()));
  m_window.paint();
  return true;
}

bool PageActions::run(const std::vector<std::string>& action, std::string& error) {
  const std::string& verb = action[0];
  bool done = false;
  if (verb == "focus") {
    done = focus(action[1], error);
  } else if (verb == "type") {
    done = type(action[1], action[2], error);
  } else if (verb == "select") {
    done = select(action[1], action[2], error);
  } else if (verb == "scroll") {
    done = scroll(action[1], action[2], error);
  } else if (verb == "cookie") {
    done = cookie(action, error);
  } else if (verb == "open") {
    done = open(action[1], error);
  } else if (verb == "dialog") {
    done = dialog(action[1], action[2], error);
  } else if (verb == "answer") {
    done = answer(action[1], error);
  } else if (verb == "findbar") {
    done = findBar(action[1], error);
  } else {
    error = "unknown action '" + verb + "'";
  }
  return done;
}
