// The table of standard properties: canonical names (".name", ".offsetLeft") tied to integer
// property ids, with a hashed index for name lookups. Its row order is the order in which
// objects enumerate their properties.
//
//   CHtmlStandardPropertySet::getPropertyId(".name")       -> 3
//   CHtmlStandardPropertySet::getPropertyId(".frameIndex") -> 60 (not enumerated, still found)
//   CHtmlStandardPropertySet::getPropertyId("name")        -> 0  (no leading dot)
#ifndef NATIVE_HTML_COMMON_HTMLSTANDARDPROPERTYSET_H
#define NATIVE_HTML_COMMON_HTMLSTANDARDPROPERTYSET_H

// One row: the name without its dot, and the id word (id | NOT_ENUMERATED flag).
struct HtmlPropertyRow {
  const char* name;
  unsigned int id;
};

class CHtmlStandardPropertySet {
 public:
  static const unsigned int NOT_ENUMERATED = 0x80000000u;
  static const unsigned int HASH_SLOTS = 320;

  // The one set, made (and its index built) on first use; never freed.
  static CHtmlStandardPropertySet* getStandardSet();

  // The id of a canonical name, 0 when it does not start with "." or is not in the table.
  static unsigned int getPropertyId(const char* canonicalName);

  // "." + the name of the row at `row` (a row position, not an id), in a static buffer that
  // the next call overwrites; null past the last row.
  static const char* getCanonicalName(unsigned int row);

  // Rotate left by 8 bits and add each byte as a signed value: "name" -> 0x6E616D65.
  static unsigned int hash(const char* name);

  // The rows, ended by a row with a null name.
  static const HtmlPropertyRow m_propertyList[];

 private:
  CHtmlStandardPropertySet();
  static void init();
  // The row of a name without its dot, through the hash index; null when there is none.
  static const HtmlPropertyRow* findRow(const char* name);

  static const HtmlPropertyRow* m_hashMap[HASH_SLOTS];
};

#endif
