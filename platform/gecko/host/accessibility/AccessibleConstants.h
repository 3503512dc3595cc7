// The role and state numbers of Gecko's nsIAccessibleRole and nsIAccessibleStates that the
// host's accessibles answer (the values are Gecko's; the list is the part used here).
#ifndef GECKOHOST_ACCESSIBILITY_ACCESSIBLECONSTANTS_H
#define GECKOHOST_ACCESSIBILITY_ACCESSIBLECONSTANTS_H

#include <cstdint>

namespace geckohost::accessibility {

namespace roles {
constexpr uint32_t kNothing = 0;
constexpr uint32_t kWindow = 9;
constexpr uint32_t kInternalFrame = 10;
constexpr uint32_t kDocument = 15;
constexpr uint32_t kPane = 16;
constexpr uint32_t kDialog = 18;
constexpr uint32_t kGrouping = 20;
constexpr uint32_t kSeparator = 21;
constexpr uint32_t kToolbar = 22;
constexpr uint32_t kStatusBar = 23;
constexpr uint32_t kTable = 24;
constexpr uint32_t kColumnHeader = 25;
constexpr uint32_t kRow = 28;
constexpr uint32_t kCell = 29;
constexpr uint32_t kLink = 30;
constexpr uint32_t kList = 33;
constexpr uint32_t kListItem = 34;
constexpr uint32_t kGraphic = 40;
constexpr uint32_t kTextLeaf = 42;
constexpr uint32_t kPushButton = 43;
constexpr uint32_t kCheckButton = 44;
constexpr uint32_t kRadioButton = 45;
constexpr uint32_t kComboBox = 46;
constexpr uint32_t kLabel = 79;
constexpr uint32_t kPasswordText = 82;
constexpr uint32_t kTextContainer = 92;
constexpr uint32_t kParagraph = 98;
constexpr uint32_t kEntry = 102;
constexpr uint32_t kCaption = 103;
constexpr uint32_t kHeading = 105;
constexpr uint32_t kSection = 107;
constexpr uint32_t kForm = 109;
constexpr uint32_t kOption = 117;
constexpr uint32_t kListBox = 119;
}  // namespace roles

namespace states {
constexpr uint32_t kUnavailable = 0x00000001;
constexpr uint32_t kSelected = 0x00000002;
constexpr uint32_t kFocused = 0x00000004;
constexpr uint32_t kChecked = 0x00000010;
constexpr uint32_t kReadOnly = 0x00000040;
constexpr uint32_t kExpanded = 0x00000200;
constexpr uint32_t kCollapsed = 0x00000400;
constexpr uint32_t kInvisible = 0x00008000;
constexpr uint32_t kOffscreen = 0x00010000;
constexpr uint32_t kFocusable = 0x00100000;
constexpr uint32_t kSelectable = 0x00200000;
constexpr uint32_t kLinked = 0x00400000;
constexpr uint32_t kMultiSelectable = 0x01000000;
constexpr uint32_t kProtected = 0x20000000;
constexpr uint32_t kHasPopup = 0x40000000;
}  // namespace states

}  // namespace geckohost::accessibility

#endif
