// Parses a .xul file with pugixml into a XUL document: elements in the namespaces their
// prefixes declare (XUL when a file declares no default namespace), attributes in source
// order, comments, processing instructions, and text only where it is more than white space
// (the indentation between chrome elements is not content).
//
// Anonymous content: the children of an <xbl:content> element (namespace
// http://www.mozilla.org/xbl) become the anonymous content of the element that holds it, the
// way a binding gives a dialog its button box:
//
//   <dialog id="commonDialog">
//     <xbl:content xmlns:xbl="http://www.mozilla.org/xbl">
//       <hbox class="dialog-button-box"><button dlgtype="accept" label="OK"/></hbox>
//     </xbl:content>
//     <description>Hello</description>
//   </dialog>
//
// The dialog's childNodes hold only the description; the document's anonymous-node lookup
// for the dialog gives the hbox, whose parent is the dialog.
#ifndef GECKOHOST_PARSER_XULPARSER_H
#define GECKOHOST_PARSER_XULPARSER_H

#include <string>
#include <string_view>

#include "dom/RefPtr.h"
#include "net/URI.h"

namespace geckohost::dom {
class XULDocument;
}

namespace geckohost::parser {

class XULParser {
 public:
  // A new document at `url`, ready state "interactive"; null when the text is not well-formed
  // XML, with pugixml's description and offset in `error` when it is given.
  static RefPtr<dom::XULDocument> parseDocument(std::string_view xml, const net::URI& url,
                                                std::string* error = nullptr);
};

}  // namespace geckohost::parser

#endif
