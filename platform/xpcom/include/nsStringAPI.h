// The external string classes of the XPCOM glue: nsAString / nsACString and their owning
// (nsString, nsCString) and borrowing (nsDependentString, nsDependentCString) forms, with the
// UTF-8 / UTF-16 conversions.
//
// One template carries the logic for both character types. A string either owns a
// zero-terminated buffer or borrows the caller's characters (a dependent string, or the shared
// empty buffer); the first change to a borrowed string copies it. An owning string starts in a
// small buffer of its own (tag names, attribute values, short texts never reach the heap) and
// moves to the heap when it outgrows it. The classes hold no virtual functions, so the product
// and the host, which each link the glue, agree on them.
#ifndef nsStringAPI_h__
#define nsStringAPI_h__

#include <cstring>

#include "nscore.h"

template <class CharT>
class nsTAString_external {
 public:
  typedef CharT char_type;
  typedef nsTAString_external<CharT> self_type;
  typedef PRUint32 size_type;
  typedef PRUint32 index_type;
  typedef PRInt32 (*ComparatorFunc)(const char_type* a, const char_type* b, PRUint32 aLength,
                                    PRUint32 bLength);

  // Orders like memcmp over code units, then by length.
  static PRInt32 DefaultComparator(const char_type* a, const char_type* b, PRUint32 aLength,
                                   PRUint32 bLength);
  // As DefaultComparator, with ASCII letters folded to lower case.
  static PRInt32 CaseInsensitiveComparator(const char_type* a, const char_type* b, PRUint32 aLength,
                                           PRUint32 bLength);

  nsTAString_external(const self_type& aOther);
  self_type& operator=(const self_type& aOther) {
    Assign(aOther);
    return *this;
  }
  ~nsTAString_external();

  // Reading.
  size_type Length() const { return mLength; }
  PRBool IsEmpty() const { return mLength == 0; }
  const char_type* BeginReading() const { return mData; }
  const char_type* EndReading() const { return mData + mLength; }
  PRUint32 BeginReading(const char_type** aBegin, const char_type** aEnd = nsnull) const;
  char_type CharAt(index_type aPos) const { return mData[aPos]; }
  char_type operator[](index_type aPos) const { return mData[aPos]; }
  char_type First() const { return mData[0]; }
  char_type Last() const { return mData[mLength - 1]; }

  // Writing. A new size of PR_UINT32_MAX keeps the length.
  // The characters to write in place; with a size, the length is set to it first.
  char_type* BeginWriting(PRUint32 aNewSize = PR_UINT32_MAX) {
    if (aNewSize == PR_UINT32_MAX && (mFlags & F_OWNED))
      return mData;
    return BeginWritingSlow(aNewSize);
  }
  char_type* EndWriting() { return BeginWriting() + mLength; }
  PRBool SetLength(PRUint32 aLength);
  void Truncate(size_type aNewLength = 0);

  // Assigning and editing. A length of PR_UINT32_MAX means "up to the terminating zero".
  void Assign(const self_type& aString);
  void Assign(const char_type* aData, size_type aLength = PR_UINT32_MAX);
  void Assign(char_type aChar) { Assign(&aChar, 1); }
  void AssignLiteral(const char* aASCII);
  void AssignASCII(const char* aASCII) { AssignLiteral(aASCII); }

  void Replace(index_type aCutStart, size_type aCutLength, const char_type* aData,
               size_type aLength = PR_UINT32_MAX);
  void Replace(index_type aCutStart, size_type aCutLength, char_type aChar) {
    Replace(aCutStart, aCutLength, &aChar, 1);
  }
  void Replace(index_type aCutStart, size_type aCutLength, const self_type& aReadable);

  // Text built piece by piece mostly fits the room it has: those appends are made here. The
  // characters go after the current ones, so even a piece of this string's own text is read
  // before anything is written over it.
  void Append(char_type aChar) {
    if (HasRoomFor(1))
      AppendInPlace(&aChar, 1);
    else
      Replace(mLength, 0, &aChar, 1);
  }
  void Append(const char_type* aData, size_type aLength = PR_UINT32_MAX) {
    if (aData && aLength != PR_UINT32_MAX && HasRoomFor(aLength))
      AppendInPlace(aData, aLength);
    else
      Replace(mLength, 0, aData, aLength);
  }
  void Append(const self_type& aReadable) {
    if (&aReadable != this && HasRoomFor(aReadable.mLength))
      AppendInPlace(aReadable.mData, aReadable.mLength);
    else
      Replace(mLength, 0, aReadable);
  }
  void AppendLiteral(const char* aASCII);
  void AppendASCII(const char* aASCII) { AppendLiteral(aASCII); }
  void AppendInt(PRInt32 aInt, PRInt32 aRadix = 10);

  void Insert(char_type aChar, index_type aPos) { Replace(aPos, 0, &aChar, 1); }
  void Insert(const char_type* aData, index_type aPos, size_type aLength = PR_UINT32_MAX) {
    Replace(aPos, 0, aData, aLength);
  }
  void Insert(const self_type& aReadable, index_type aPos) { Replace(aPos, 0, aReadable); }
  void Cut(index_type aCutStart, size_type aCutLength) {
    Replace(aCutStart, aCutLength, nsnull, 0);
  }

  // Removes the characters of the ASCII `aSet` from the start and/or the end.
  void Trim(const char* aSet, PRBool aLeading = PR_TRUE, PRBool aTrailing = PR_TRUE);
  // Removes every occurrence of the characters of the ASCII `aSet`.
  void StripChars(const char* aSet);

  self_type& operator=(const char_type* aData) {
    Assign(aData);
    return *this;
  }
  self_type& operator=(char_type aChar) {
    Assign(aChar);
    return *this;
  }
  self_type& operator+=(const self_type& aString) {
    Append(aString);
    return *this;
  }
  self_type& operator+=(const char_type* aData) {
    Append(aData);
    return *this;
  }
  self_type& operator+=(char_type aChar) {
    Append(aChar);
    return *this;
  }

  // Comparing and searching.
  PRInt32 Compare(const char_type* aOther, ComparatorFunc aComparator = DefaultComparator) const;
  PRInt32 Compare(const self_type& aOther, ComparatorFunc aComparator = DefaultComparator) const;
  PRBool Equals(const char_type* aOther, ComparatorFunc aComparator = DefaultComparator) const {
    return Compare(aOther, aComparator) == 0;
  }
  PRBool Equals(const self_type& aOther, ComparatorFunc aComparator = DefaultComparator) const {
    return Compare(aOther, aComparator) == 0;
  }
  PRBool EqualsLiteral(const char* aASCII) const;
  PRBool EqualsASCII(const char* aASCII) const { return EqualsLiteral(aASCII); }
  // Compares with an all-lower-case ASCII text, folding this string's ASCII letters.
  PRBool LowerCaseEqualsLiteral(const char* aASCII) const;

  // Position of the first occurrence at or after `aOffset`, or -1.
  PRInt32 Find(const self_type& aPattern, PRUint32 aOffset = 0,
               ComparatorFunc aComparator = DefaultComparator) const;
  PRInt32 Find(const char* aASCII, PRBool aIgnoreCase = PR_FALSE) const;
  PRInt32 FindChar(char_type aChar, PRUint32 aOffset = 0) const;
  // Position of the last occurrence, or -1.
  PRInt32 RFind(const char* aASCII, PRBool aIgnoreCase = PR_FALSE) const;
  PRInt32 RFindChar(char_type aChar) const;

  // Reads a decimal (radix 10) or hexadecimal (radix 16) integer the way NSPR's PR_sscanf
  // reads "%d" and "%x": leading white space, an optional sign, digits; anything after the
  // digits is ignored. `aErrorCode` is NS_OK when digits were read and fit 32 bits,
  // NS_ERROR_FAILURE otherwise (result 0), NS_ERROR_INVALID_ARG for another radix.
  // " -42px" -> -42; "abc" -> 0 with NS_ERROR_FAILURE.
  PRInt32 ToInteger(nsresult* aErrorCode, PRUint32 aRadix = 10) const;

  // A void string stands for a null DOM string (an attribute that is not there).
  void SetIsVoid(PRBool aVoid);
  PRBool IsVoid() const { return (mFlags & F_VOID) != 0; }

 protected:
  // Inline, as is the start in an inline buffer: every owning string is made this way.
  nsTAString_external()
      : mData(const_cast<char_type*>(EmptyData())), mLength(0), mFlags(0), mCapacity(0) {}
  // Starts the string (empty) in `aBuffer`, storage of `aCapacity` characters plus the
  // terminator that lives as long as the string and is never freed.
  void UseInlineBuffer(char_type* aBuffer, size_type aCapacity) {
    aBuffer[0] = 0;
    mData = aBuffer;
    mLength = 0;
    mCapacity = aCapacity;
    mFlags = F_OWNED | F_INLINE;
  }

 private:
  // F_INLINE: the owned buffer is the string's own storage, not the heap.
  enum : PRUint32 { F_OWNED = 1, F_VOID = 2, F_INLINE = 4 };

  bool HasRoomFor(size_type aLength) const {
    return (mFlags & F_OWNED) && aLength <= mCapacity - mLength;
  }
  // Appends `aLength` characters into room the owned buffer has.
  void AppendInPlace(const char_type* aData, size_type aLength) {
    if (aLength)
      memcpy(mData + mLength, aData, aLength * sizeof(char_type));
    mLength += aLength;
    mData[mLength] = 0;
    mFlags &= ~PRUint32(F_VOID);
  }

  // The terminator an unowned empty string points at; never written.
  static const char_type* EmptyData() {
    static const char_type kEmpty = 0;
    return &kEmpty;
  }

  // Makes the buffer owned and able to hold `aCapacity` characters plus the terminator,
  // keeping the first min(length, capacity) characters.
  bool EnsureOwned(size_type aCapacity) {
    return ((mFlags & F_OWNED) && aCapacity <= mCapacity) || GrowOwned(aCapacity);
  }
  // EnsureOwned when the buffer is not owned or too small: a new buffer of its own.
  bool GrowOwned(size_type aCapacity);
  char_type* BeginWritingSlow(PRUint32 aNewSize);
  void ReleaseBuffer();
  bool OwnsHeapBuffer() const { return (mFlags & F_OWNED) && !(mFlags & F_INLINE); }

  char_type* mData;
  size_type mLength;
  PRUint32 mFlags;
  size_type mCapacity;

  template <class C>
  friend class nsTDependentString_external;
  template <class C>
  friend class nsTString_external;
};

template <class CharT>
inline bool operator==(const nsTAString_external<CharT>& a, const nsTAString_external<CharT>& b) {
  return a.Equals(b);
}
template <class CharT>
inline bool operator!=(const nsTAString_external<CharT>& a, const nsTAString_external<CharT>& b) {
  return !a.Equals(b);
}
template <class CharT>
inline bool operator<(const nsTAString_external<CharT>& a, const nsTAString_external<CharT>& b) {
  return a.Compare(b) < 0;
}
template <class CharT>
inline bool operator==(const nsTAString_external<CharT>& a, const CharT* b) {
  return a.Equals(b);
}
template <class CharT>
inline bool operator!=(const nsTAString_external<CharT>& a, const CharT* b) {
  return !a.Equals(b);
}

// An owning string.
template <class CharT>
class nsTString_external : public nsTAString_external<CharT> {
 public:
  typedef nsTAString_external<CharT> base_type;
  typedef CharT char_type;
  typedef PRUint32 size_type;

  nsTString_external() { this->UseInlineBuffer(mInline, kInlineCapacity); }
  explicit nsTString_external(const char_type* aData, size_type aLength = PR_UINT32_MAX) {
    this->UseInlineBuffer(mInline, kInlineCapacity);
    this->Assign(aData, aLength);
  }
  nsTString_external(const nsTString_external& aString) : base_type() {
    this->UseInlineBuffer(mInline, kInlineCapacity);
    this->Assign(aString);
  }
  nsTString_external(const base_type& aString) : base_type() {
    this->UseInlineBuffer(mInline, kInlineCapacity);
    this->Assign(aString);
  }
  nsTString_external& operator=(const nsTString_external& aString) {
    this->Assign(aString);
    return *this;
  }
  nsTString_external& operator=(const base_type& aString) {
    this->Assign(aString);
    return *this;
  }
  nsTString_external& operator=(const char_type* aData) {
    this->Assign(aData);
    return *this;
  }
  nsTString_external& operator=(char_type aChar) {
    this->Assign(aChar);
    return *this;
  }

  // The characters, zero-terminated when the string owns them (a dependent string made with
  // an explicit length may not be).
  const char_type* get() const { return this->BeginReading(); }

 private:
  static constexpr size_type kInlineCapacity = 23;
  char_type mInline[kInlineCapacity + 1];
};

// A string that borrows the caller's characters until it is changed.
template <class CharT>
class nsTDependentString_external : public nsTString_external<CharT> {
 public:
  typedef CharT char_type;
  typedef PRUint32 size_type;

  nsTDependentString_external() {}
  explicit nsTDependentString_external(const char_type* aData, size_type aLength = PR_UINT32_MAX) {
    Rebind(aData, aLength);
  }
  void Rebind(const char_type* aData, size_type aLength = PR_UINT32_MAX);
};

typedef nsTAString_external<PRUnichar> nsAString_external;
typedef nsTAString_external<char> nsACString_external;
typedef nsTString_external<PRUnichar> nsString_external;
typedef nsTString_external<char> nsCString_external;
typedef nsTDependentString_external<PRUnichar> nsDependentString_external;
typedef nsTDependentString_external<char> nsDependentCString_external;

typedef nsAString_external nsAString;
typedef nsACString_external nsACString;
typedef nsString_external nsString;
typedef nsCString_external nsCString;
typedef nsDependentString_external nsDependentString;
typedef nsDependentCString_external nsDependentCString;
typedef nsString_external nsEmbedString;
typedef nsCString_external nsEmbedCString;
typedef nsString_external nsAutoString;
typedef nsCString_external nsCAutoString;

// Conversions. Malformed UTF-8 becomes U+FFFD per bad sequence; an unpaired surrogate becomes
// U+FFFD in UTF-8. The ASCII forms widen bytes as they are and narrow by dropping the high byte.
void CopyUTF8toUTF16(const nsACString& aSource, nsAString& aDest);
void CopyUTF16toUTF8(const nsAString& aSource, nsACString& aDest);
void CopyASCIItoUTF16(const nsACString& aSource, nsAString& aDest);
void LossyCopyUTF16toASCII(const nsAString& aSource, nsACString& aDest);
void AppendUTF8toUTF16(const char* aSource, PRUint32 aLength, nsAString& aDest);
void AppendUTF16toUTF8(const PRUnichar* aSource, PRUint32 aLength, nsACString& aDest);

class NS_ConvertUTF8toUTF16 : public nsString_external {
 public:
  explicit NS_ConvertUTF8toUTF16(const nsACString& aStr) { CopyUTF8toUTF16(aStr, *this); }
  explicit NS_ConvertUTF8toUTF16(const char* aData, PRUint32 aLength = PR_UINT32_MAX);
};

class NS_ConvertASCIItoUTF16 : public nsString_external {
 public:
  explicit NS_ConvertASCIItoUTF16(const nsACString& aStr) { CopyASCIItoUTF16(aStr, *this); }
  explicit NS_ConvertASCIItoUTF16(const char* aData, PRUint32 aLength = PR_UINT32_MAX);
};

class NS_ConvertUTF16toUTF8 : public nsCString_external {
 public:
  explicit NS_ConvertUTF16toUTF8(const nsAString& aStr) { CopyUTF16toUTF8(aStr, *this); }
  explicit NS_ConvertUTF16toUTF8(const PRUnichar* aData, PRUint32 aLength = PR_UINT32_MAX);
};

class NS_LossyConvertUTF16toASCII : public nsCString_external {
 public:
  explicit NS_LossyConvertUTF16toASCII(const nsAString& aStr) {
    LossyCopyUTF16toASCII(aStr, *this);
  }
};

enum nsCStringEncoding {
  NS_CSTRING_ENCODING_ASCII = 0,
  NS_CSTRING_ENCODING_UTF8 = 1,
  NS_CSTRING_ENCODING_NATIVE_FILESYSTEM = 2
};

nsresult NS_CStringToUTF16(const nsACString& aSource, nsCStringEncoding aSrcEncoding,
                           nsAString& aDest);
nsresult NS_UTF16ToCString(const nsAString& aSource, nsCStringEncoding aDestEncoding,
                           nsACString& aDest);

// ASCII case mapping in place.
void ToLowerCase(nsAString& aString);
void ToLowerCase(nsACString& aString);
void ToUpperCase(nsAString& aString);
void ToUpperCase(nsACString& aString);

const nsAString& EmptyString();
const nsACString& EmptyCString();

// Heap copies for callers that hand text on as plain pointers; free with NS_Free.
char* ToNewCString(const nsACString& aString);
char* ToNewUTF8String(const nsAString& aString);
PRUnichar* ToNewUnicode(const nsAString& aString);

#define NS_LITERAL_STRING(s) NS_ConvertASCIItoUTF16(s)
#define NS_LITERAL_CSTRING(s) nsDependentCString_external(s)
#define NS_NAMED_LITERAL_STRING(name, s) NS_ConvertASCIItoUTF16 name(s)
#define NS_NAMED_LITERAL_CSTRING(name, s) nsDependentCString_external name(s)

#endif
