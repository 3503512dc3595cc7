// Tables: the order of rows, row and cell indexes, caption and section lookups, and the DOM's
// row and cell editing.
#include "HostTestSupport.h"
#include "dom/ElementList.h"
#include "dom/HTMLTableCellElement.h"
#include "dom/HTMLTableElement.h"
#include "dom/HTMLTableRowElement.h"
#include "dom/HTMLTableSectionElement.h"

namespace geckohost::testing {
namespace {

using namespace dom;

class TableTest : public LeakCheckedTest {};

std::string rowIds(HTMLTableElement& table) {
  RefPtr<ElementList> rows = table.rows();
  std::string out;
  for (uint32_t i = 0; Element* row = rows->item(i); ++i)
    out += u8(row->id());
  return out;
}

//   table#t
//   ├── caption "Sales"
//   ├── tfoot  > tr#f
//   ├── tbody  > tr#b1 > (th#h, td#x)
//   ├── tbody  > tr#b2
//   └── thead  > tr#h1
TEST_F(TableTest, RowsListHeadBodiesThenFootWhateverTheMarkupOrder) {
  auto page = parsePage(
      "<table id=t><caption> Sales </caption><tfoot><tr id=f><td>F</td></tr></tfoot>"
      "<tbody><tr id=b1><th id=h>H</th><td id=x rowspan=2 colspan=3>X</td></tr></tbody>"
      "<tbody><tr id=b2></tr></tbody><thead><tr id=h1></tr></thead></table>");
  auto* table = static_cast<HTMLTableElement*>(page->getElementById(u"t"));
  EXPECT_EQ(rowIds(*table), "h1b1b2f");
  EXPECT_EQ(u8(*table->caption()->textContent()), " Sales ");
  EXPECT_EQ(u8(table->tHead()->localName()), "thead");
  EXPECT_EQ(u8(table->tFoot()->localName()), "tfoot");
  EXPECT_EQ(table->tBodies()->length(), 2u);

  auto* b2 = static_cast<HTMLTableRowElement*>(page->getElementById(u"b2"));
  EXPECT_EQ(b2->rowIndex(), 2);
  EXPECT_EQ(b2->sectionRowIndex(), 0);
  EXPECT_EQ(static_cast<HTMLTableRowElement*>(page->getElementById(u"f"))->rowIndex(), 3);
  EXPECT_EQ(b2->table(), table);

  auto* cell = static_cast<HTMLTableCellElement*>(page->getElementById(u"x"));
  EXPECT_EQ(cell->cellIndex(), 1);
  EXPECT_EQ(cell->rowSpan(), 2);
  EXPECT_EQ(cell->colSpan(), 3);
  auto* header = static_cast<HTMLTableCellElement*>(page->getElementById(u"h"));
  EXPECT_EQ(header->cellIndex(), 0);
  EXPECT_EQ(header->colSpan(), 1);
  EXPECT_EQ(static_cast<HTMLTableRowElement*>(page->getElementById(u"b1"))->cells()->length(), 2u);
}

TEST_F(TableTest, OutsideATableIndexesAreMinusOne) {
  auto page = parsePage("<div id=d></div>");
  DOMError error;
  RefPtr<Element> row = page->createElement(u"tr", error);
  RefPtr<Element> cell = page->createElement(u"td", error);
  page->getElementById(u"d")->appendChild(*cell);
  EXPECT_EQ(static_cast<HTMLTableRowElement*>(row.get())->rowIndex(), -1);
  EXPECT_EQ(static_cast<HTMLTableRowElement*>(row.get())->sectionRowIndex(), -1);
  EXPECT_EQ(static_cast<HTMLTableCellElement*>(cell.get())->cellIndex(), -1);
}

TEST_F(TableTest, InsertingAndDeletingRowsCellsAndParts) {
  auto page = parsePage("<table id=t></table>");
  auto* table = static_cast<HTMLTableElement*>(page->getElementById(u"t"));
  DOMError error;
  RefPtr<HTMLTableRowElement> first = table->insertRow(0, error);
  ASSERT_TRUE(first);
  EXPECT_TRUE(static_cast<Element*>(first->parentNode())->isHTML(u"tbody"));
  first->setAttribute(u"id", u"1");
  table->insertRow(-1, error)->setAttribute(u"id", u"3");
  table->insertRow(1, error)->setAttribute(u"id", u"2");
  EXPECT_EQ(rowIds(*table), "123");
  EXPECT_EQ(table->insertRow(9, error), nullptr);
  EXPECT_EQ(error, DOMError::IndexSize);

  RefPtr<HTMLElement> head = table->createTHead();
  EXPECT_EQ(table->createTHead(), head);
  static_cast<HTMLTableSectionElement*>(head.get())
      ->insertRow(-1, error)
      ->setAttribute(u"id", u"h");
  RefPtr<HTMLElement> caption = table->createCaption();
  EXPECT_EQ(table->firstChild(), caption.get());
  EXPECT_EQ(caption->nextSibling(), head.get());
  EXPECT_EQ(rowIds(*table), "h123");

  EXPECT_EQ(table->deleteRow(-1), DOMError::None);
  EXPECT_EQ(table->deleteRow(0), DOMError::None);
  EXPECT_EQ(rowIds(*table), "12");
  EXPECT_EQ(table->deleteRow(5), DOMError::IndexSize);
  table->deleteTHead();
  table->deleteCaption();
  EXPECT_EQ(table->tHead(), nullptr);
  EXPECT_EQ(table->caption(), nullptr);

  first->insertCell(-1, error);
  first->insertCell(0, error)->setAttribute(u"id", u"c0");
  EXPECT_EQ(first->cells()->length(), 2u);
  EXPECT_EQ(static_cast<HTMLTableCellElement*>(page->getElementById(u"c0"))->cellIndex(), 0);
  EXPECT_EQ(first->deleteCell(3), DOMError::IndexSize);
  EXPECT_EQ(first->deleteCell(-1), DOMError::None);
  EXPECT_EQ(first->cells()->length(), 1u);
}

}  // namespace
}  // namespace geckohost::testing
