#include "ReportData.h"

#include <vector>

#include "AgentView.h"
#include "Base64.h"
#include "ReportTree.h"
#include "Screenshot.h"

namespace {

JsonValue rectangle(const HtmlRectangle& r) {
  JsonValue rect = JsonValue::array();
  for (int value : {r.x, r.y, r.width, r.height})
    rect.push(JsonValue::integer(value));
  return rect;
}

}  // namespace

JsonValue ReportData::json() const {
  JsonValue data = JsonValue::object();
  data.set("title", JsonValue::string(m_title));
  data.set("windows", m_windows);
  return data;
}

void ReportData::addWindow(int index, const std::string& kind, unsigned long handle,
                           IHtmlElement* top) {
  JsonValue window = JsonValue::object();
  window.set("index", JsonValue::integer(index));
  window.set("kind", JsonValue::string(kind));
  window.set("class", top ? JsonValue::string(AgentView::className(top)) : JsonValue());
  std::vector<unsigned char> png;
  HtmlRectangle area = {0, 0, 0, 0};
  std::string error;
  // The picture of the object's own rectangle where it answers one, so that the picture and
  // the objects' rectangles share their origin (a browser's includes its frame); else the
  // X window's.
  CHtmlObjectPtr<IHtmlPropertyValue> bounds = top ? top->getProperty(".bounds") : nullptr;
  bool pictured = bounds && bounds->type() == 6
                      ? Screenshot::encodeArea(bounds->rectangle(), png, area, error)
                      : Screenshot::encodeWindow(handle, png, area, error);
  if (pictured) {
    JsonValue picture = JsonValue::object();
    picture.set("area", rectangle(area));
    picture.set("png", JsonValue::string("data:image/png;base64," + Base64::encode(png)));
    window.set("picture", picture);
  } else {
    window.set("picture", JsonValue());
    window.set("error", JsonValue::string(error));
  }
  JsonValue objects = top ? ReportTree::list(top, "@" + std::to_string(index)) : JsonValue::array();
  m_objectCount += static_cast<long long>(objects.items().size());
  window.set("objects", objects);
  m_windows.push(window);
  ++m_windowCount;
}
