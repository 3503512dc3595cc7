#include "nsStringAPI.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "nsMemory.h"

namespace {

template <class CharT>
PRUint32 LengthOf(const CharT* aData) {
  PRUint32 length = 0;
  while (aData[length])
    ++length;
  return length;
}

template <class CharT>
CharT AsciiLower(CharT c) {
  return (c >= 'A' && c <= 'Z') ? CharT(c + ('a' - 'A')) : c;
}

template <class CharT>
CharT AsciiUpper(CharT c) {
  return (c >= 'a' && c <= 'z') ? CharT(c - ('a' - 'A')) : c;
}

template <class CharT>
bool InAsciiSet(CharT c, const char* aSet) {
  for (const char* p = aSet; *p; ++p) {
    if (c == CharT(static_cast<unsigned char>(*p)))
      return true;
  }
  return false;
}

// Digit value of `c` in `radix`, or -1.
int DigitValue(PRUnichar c, PRUint32 radix) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value >= 0 && PRUint32(value) < radix ? value : -1;
}

bool IsScanfSpace(PRUnichar c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

template <class CharT>
nsTAString_external<CharT>::nsTAString_external(const self_type& aOther) : nsTAString_external() {
  Assign(aOther);
}

template <class CharT>
nsTAString_external<CharT>::~nsTAString_external() {
  // The inline buffer belongs to the derived string, already gone here: only heap is freed.
  if (OwnsHeapBuffer())
    free(mData);
}

// Empties the string. The inline buffer is kept (it cannot be given back); a heap buffer is
// freed and the string borrows the shared empty buffer.
template <class CharT>
void nsTAString_external<CharT>::ReleaseBuffer() {
  if (mFlags & F_INLINE) {
    mLength = 0;
    mData[0] = 0;
    return;
  }
  if (OwnsHeapBuffer())
    free(mData);
  mData = const_cast<CharT*>(EmptyData());
  mLength = 0;
  mCapacity = 0;
  mFlags &= ~PRUint32(F_OWNED);
}

template <class CharT>
bool nsTAString_external<CharT>::GrowOwned(size_type aCapacity) {
  size_type newCapacity = aCapacity;
  if ((mFlags & F_OWNED) && newCapacity < mCapacity * 2)
    newCapacity = mCapacity * 2;
  if (newCapacity >= (PR_UINT32_MAX / sizeof(CharT)) - 1)
    return false;
  CharT* buffer = static_cast<CharT*>(malloc((size_t(newCapacity) + 1) * sizeof(CharT)));
  if (!buffer)
    return false;
  size_type keep = mLength < newCapacity ? mLength : newCapacity;
  if (keep)
    memcpy(buffer, mData, keep * sizeof(CharT));
  buffer[keep] = 0;
  if (OwnsHeapBuffer())
    free(mData);
  mData = buffer;
  mLength = keep;
  mCapacity = newCapacity;
  mFlags = (mFlags | F_OWNED) & ~PRUint32(F_INLINE);
  return true;
}

template <class CharT>
PRUint32 nsTAString_external<CharT>::BeginReading(const char_type** aBegin,
                                                  const char_type** aEnd) const {
  if (aBegin)
    *aBegin = mData;
  if (aEnd)
    *aEnd = mData + mLength;
  return mLength;
}

template <class CharT>
CharT* nsTAString_external<CharT>::BeginWritingSlow(PRUint32 aNewSize) {
  if (aNewSize != PR_UINT32_MAX) {
    if (!SetLength(aNewSize))
      return nsnull;
  } else if (!EnsureOwned(mLength)) {
    return nsnull;
  }
  return mData;
}

template <class CharT>
PRBool nsTAString_external<CharT>::SetLength(PRUint32 aLength) {
  if (!EnsureOwned(aLength))
    return PR_FALSE;
  mLength = aLength;
  mData[mLength] = 0;
  mFlags &= ~PRUint32(F_VOID);
  return PR_TRUE;
}

template <class CharT>
void nsTAString_external<CharT>::Truncate(size_type aNewLength) {
  // An owned buffer is kept: a string emptied and refilled in a loop allocates once.
  if (aNewLength == 0 && !(mFlags & F_OWNED) && mLength)
    ReleaseBuffer();
  else if (aNewLength < mLength)
    SetLength(aNewLength);
  mFlags &= ~PRUint32(F_VOID);
}

template <class CharT>
void nsTAString_external<CharT>::Assign(const self_type& aString) {
  if (&aString == this)
    return;
  Assign(aString.mData, aString.mLength);
  if (aString.IsVoid())
    mFlags |= F_VOID;
}

template <class CharT>
void nsTAString_external<CharT>::Assign(const char_type* aData, size_type aLength) {
  if (!aData) {
    Truncate();
    return;
  }
  if (aLength == PR_UINT32_MAX)
    aLength = LengthOf(aData);
  // The source may lie inside this string's own buffer, which the assignment frees.
  if ((mFlags & F_OWNED) && aData >= mData && aData <= mData + mLength) {
    nsTString_external<CharT> copy(aData, aLength);
    Assign(copy.mData, copy.mLength);
    return;
  }
  mFlags &= ~PRUint32(F_VOID);
  mLength = 0;
  if (!EnsureOwned(aLength))
    return;
  memcpy(mData, aData, aLength * sizeof(CharT));
  mLength = aLength;
  mData[mLength] = 0;
}

template <class CharT>
void nsTAString_external<CharT>::AssignLiteral(const char* aASCII) {
  Truncate();
  AppendLiteral(aASCII);
}

template <class CharT>
void nsTAString_external<CharT>::Replace(index_type aCutStart, size_type aCutLength,
                                         const self_type& aReadable) {
  if (&aReadable == this) {
    nsTString_external<CharT> copy(aReadable);
    Replace(aCutStart, aCutLength, copy.mData, copy.mLength);
    return;
  }
  Replace(aCutStart, aCutLength, aReadable.mData, aReadable.mLength);
}

template <class CharT>
void nsTAString_external<CharT>::Replace(index_type aCutStart, size_type aCutLength,
                                         const char_type* aData, size_type aLength) {
  if (!aData)
    aLength = 0;
  if (aLength == PR_UINT32_MAX)
    aLength = LengthOf(aData);
  if (aCutStart > mLength)
    aCutStart = mLength;
  if (aCutLength > mLength - aCutStart)
    aCutLength = mLength - aCutStart;
  bool fromOwnBuffer = (mFlags & F_OWNED) && aLength && aData >= mData && aData <= mData + mLength;
  // Appending what fits: the common case of a text being built, without the general moves.
  if (aCutStart == mLength && !fromOwnBuffer && (mFlags & F_OWNED) &&
      aLength <= mCapacity - mLength) {
    AppendInPlace(aData, aLength);
    return;
  }
  if (fromOwnBuffer) {
    nsTString_external<CharT> copy(aData, aLength);
    Replace(aCutStart, aCutLength, copy.mData, copy.mLength);
    return;
  }
  size_type newLength = mLength - aCutLength + aLength;
  if (newLength < mLength - aCutLength)
    return;  // overflow
  if (!EnsureOwned(newLength > mLength ? newLength : mLength))
    return;
  size_type tail = mLength - aCutStart - aCutLength;
  memmove(mData + aCutStart + aLength, mData + aCutStart + aCutLength, tail * sizeof(CharT));
  if (aLength)
    memcpy(mData + aCutStart, aData, aLength * sizeof(CharT));
  mLength = newLength;
  mData[mLength] = 0;
  mFlags &= ~PRUint32(F_VOID);
}

template <class CharT>
void nsTAString_external<CharT>::AppendLiteral(const char* aASCII) {
  if (!aASCII)
    return;
  size_type length = LengthOf(aASCII);
  size_type start = mLength;
  if (!SetLength(start + length))
    return;
  for (size_type i = 0; i < length; ++i) {
    mData[start + i] = CharT(static_cast<unsigned char>(aASCII[i]));
  }
}

template <class CharT>
void nsTAString_external<CharT>::AppendInt(PRInt32 aInt, PRInt32 aRadix) {
  char buffer[40];
  const char* format = aRadix == 16 ? "%x" : (aRadix == 8 ? "%o" : "%d");
  snprintf(buffer, sizeof buffer, format, aInt);
  AppendLiteral(buffer);
}

template <class CharT>
void nsTAString_external<CharT>::Trim(const char* aSet, PRBool aLeading, PRBool aTrailing) {
  if (!aSet)
    return;
  size_type start = 0;
  size_type end = mLength;
  if (aLeading) {
    while (start < end && InAsciiSet(mData[start], aSet))
      ++start;
  }
  if (aTrailing) {
    while (end > start && InAsciiSet(mData[end - 1], aSet))
      --end;
  }
  if (start == 0 && end == mLength)
    return;
  Cut(end, mLength - end);
  Cut(0, start);
}

template <class CharT>
void nsTAString_external<CharT>::StripChars(const char* aSet) {
  if (!aSet || mLength == 0 || !EnsureOwned(mLength))
    return;
  size_type kept = 0;
  for (size_type i = 0; i < mLength; ++i) {
    if (!InAsciiSet(mData[i], aSet))
      mData[kept++] = mData[i];
  }
  mLength = kept;
  mData[mLength] = 0;
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::DefaultComparator(const char_type* a, const char_type* b,
                                                      PRUint32 aLength, PRUint32 bLength) {
  PRUint32 common = aLength < bLength ? aLength : bLength;
  for (PRUint32 i = 0; i < common; ++i) {
    if (a[i] != b[i])
      return a[i] < b[i] ? -1 : 1;
  }
  if (aLength == bLength)
    return 0;
  return aLength < bLength ? -1 : 1;
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::CaseInsensitiveComparator(const char_type* a,
                                                              const char_type* b, PRUint32 aLength,
                                                              PRUint32 bLength) {
  PRUint32 common = aLength < bLength ? aLength : bLength;
  for (PRUint32 i = 0; i < common; ++i) {
    CharT left = AsciiLower(a[i]);
    CharT right = AsciiLower(b[i]);
    if (left != right)
      return left < right ? -1 : 1;
  }
  if (aLength == bLength)
    return 0;
  return aLength < bLength ? -1 : 1;
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::Compare(const char_type* aOther,
                                            ComparatorFunc aComparator) const {
  if (!aOther)
    return mLength ? 1 : 0;
  return aComparator(mData, aOther, mLength, LengthOf(aOther));
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::Compare(const self_type& aOther,
                                            ComparatorFunc aComparator) const {
  return aComparator(mData, aOther.mData, mLength, aOther.mLength);
}

template <class CharT>
PRBool nsTAString_external<CharT>::EqualsLiteral(const char* aASCII) const {
  if (!aASCII)
    return mLength == 0;
  size_type i = 0;
  for (; i < mLength; ++i) {
    if (!aASCII[i] || mData[i] != CharT(static_cast<unsigned char>(aASCII[i])))
      return PR_FALSE;
  }
  return aASCII[i] == 0;
}

template <class CharT>
PRBool nsTAString_external<CharT>::LowerCaseEqualsLiteral(const char* aASCII) const {
  if (!aASCII)
    return mLength == 0;
  size_type i = 0;
  for (; i < mLength; ++i) {
    if (!aASCII[i] || AsciiLower(mData[i]) != CharT(static_cast<unsigned char>(aASCII[i]))) {
      return PR_FALSE;
    }
  }
  return aASCII[i] == 0;
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::Find(const self_type& aPattern, PRUint32 aOffset,
                                         ComparatorFunc aComparator) const {
  if (aPattern.mLength > mLength)
    return -1;
  for (PRUint32 i = aOffset; i + aPattern.mLength <= mLength; ++i) {
    if (aComparator(mData + i, aPattern.mData, aPattern.mLength, aPattern.mLength) == 0) {
      return PRInt32(i);
    }
  }
  return -1;
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::Find(const char* aASCII, PRBool aIgnoreCase) const {
  if (!aASCII)
    return -1;
  // Compared in place, without widening the pattern into a string first.
  const size_type length = LengthOf(aASCII);
  const CharT first = CharT(static_cast<unsigned char>(aASCII[0]));
  for (PRUint32 i = 0; i + length <= mLength; ++i) {
    if (!aIgnoreCase && length && mData[i] != first)
      continue;  // most positions fail on their first character
    size_type j = 0;
    for (; j < length; ++j) {
      CharT have = mData[i + j];
      CharT want = CharT(static_cast<unsigned char>(aASCII[j]));
      if (aIgnoreCase ? AsciiLower(have) != AsciiLower(want) : have != want)
        break;
    }
    if (j == length)
      return PRInt32(i);
  }
  return -1;
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::RFind(const char* aASCII, PRBool aIgnoreCase) const {
  if (!aASCII)
    return -1;
  nsTString_external<CharT> pattern;
  pattern.AssignLiteral(aASCII);
  if (pattern.Length() > mLength)
    return -1;
  ComparatorFunc compare = aIgnoreCase ? CaseInsensitiveComparator : DefaultComparator;
  for (PRUint32 i = mLength - pattern.Length() + 1; i-- > 0;) {
    if (compare(mData + i, pattern.BeginReading(), pattern.Length(), pattern.Length()) == 0) {
      return PRInt32(i);
    }
  }
  return -1;
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::FindChar(char_type aChar, PRUint32 aOffset) const {
  for (PRUint32 i = aOffset; i < mLength; ++i) {
    if (mData[i] == aChar)
      return PRInt32(i);
  }
  return -1;
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::RFindChar(char_type aChar) const {
  for (PRUint32 i = mLength; i-- > 0;) {
    if (mData[i] == aChar)
      return PRInt32(i);
  }
  return -1;
}

template <class CharT>
PRInt32 nsTAString_external<CharT>::ToInteger(nsresult* aErrorCode, PRUint32 aRadix) const {
  nsresult ignored;
  nsresult& error = aErrorCode ? *aErrorCode : ignored;
  if (aRadix != 10 && aRadix != 16) {
    error = NS_ERROR_INVALID_ARG;
    return 0;
  }
  error = NS_ERROR_FAILURE;
  PRUint32 i = 0;
  while (i < mLength && IsScanfSpace(PRUnichar(mData[i])))
    ++i;
  bool negative = false;
  if (i < mLength && (mData[i] == '+' || mData[i] == '-'))
    negative = mData[i++] == '-';
  if (aRadix == 16 && i + 1 < mLength && mData[i] == '0' && (mData[i + 1] | 0x20) == 'x' &&
      i + 2 < mLength && DigitValue(PRUnichar(mData[i + 2]), 16) >= 0) {
    i += 2;
  }
  // Accumulate as a magnitude: hexadecimal takes any 32-bit pattern, decimal must fit.
  PRUint64 magnitude = 0;
  bool anyDigit = false;
  for (; i < mLength; ++i) {
    int digit = DigitValue(PRUnichar(mData[i]), aRadix);
    if (digit < 0)
      break;
    anyDigit = true;
    magnitude = magnitude * aRadix + PRUint64(digit);
    if (magnitude > PRUint64(PR_UINT32_MAX))
      return 0;
  }
  if (!anyDigit)
    return 0;
  PRUint64 limit = aRadix == 16 ? PRUint64(PR_UINT32_MAX)
                                : (negative ? PRUint64(PR_INT32_MAX) + 1 : PRUint64(PR_INT32_MAX));
  if (magnitude > limit)
    return 0;
  PRUint32 bits = PRUint32(magnitude);
  if (negative)
    bits = 0u - bits;
  error = NS_OK;
  return PRInt32(bits);
}

template <class CharT>
void nsTAString_external<CharT>::SetIsVoid(PRBool aVoid) {
  if (aVoid) {
    Truncate();
    mFlags |= F_VOID;
  } else {
    mFlags &= ~PRUint32(F_VOID);
  }
}

template <class CharT>
void nsTDependentString_external<CharT>::Rebind(const char_type* aData, size_type aLength) {
  this->ReleaseBuffer();
  this->mFlags = 0;
  if (!aData)
    return;
  this->mData = const_cast<CharT*>(aData);
  this->mLength = aLength == PR_UINT32_MAX ? LengthOf(aData) : aLength;
}

template class nsTAString_external<PRUnichar>;
template class nsTAString_external<char>;
template class nsTDependentString_external<PRUnichar>;
template class nsTDependentString_external<char>;

// --- Conversions ----------------------------------------------------------------------------

namespace {

const PRUint32 kReplacementCharacter = 0xFFFD;

void AppendCodePointAsUTF16(PRUint32 codePoint, nsAString& aDest) {
  if (codePoint < 0x10000) {
    aDest.Append(PRUnichar(codePoint));
    return;
  }
  codePoint -= 0x10000;
  PRUnichar pair[2] = {PRUnichar(0xD800 + (codePoint >> 10)),
                       PRUnichar(0xDC00 + (codePoint & 0x3FF))};
  aDest.Append(pair, 2);
}

void AppendCodePointAsUTF8(PRUint32 codePoint, nsACString& aDest) {
  char bytes[4];
  PRUint32 count;
  if (codePoint < 0x80) {
    bytes[0] = char(codePoint);
    count = 1;
  } else if (codePoint < 0x800) {
    bytes[0] = char(0xC0 | (codePoint >> 6));
    bytes[1] = char(0x80 | (codePoint & 0x3F));
    count = 2;
  } else if (codePoint < 0x10000) {
    bytes[0] = char(0xE0 | (codePoint >> 12));
    bytes[1] = char(0x80 | ((codePoint >> 6) & 0x3F));
    bytes[2] = char(0x80 | (codePoint & 0x3F));
    count = 3;
  } else {
    bytes[0] = char(0xF0 | (codePoint >> 18));
    bytes[1] = char(0x80 | ((codePoint >> 12) & 0x3F));
    bytes[2] = char(0x80 | ((codePoint >> 6) & 0x3F));
    bytes[3] = char(0x80 | (codePoint & 0x3F));
    count = 4;
  }
  aDest.Append(bytes, count);
}

// Decodes one UTF-8 sequence at `s[*i]`, advancing `*i` past it. A malformed sequence (bad
// lead byte, missing continuation, overlong form, surrogate, beyond U+10FFFF) yields U+FFFD
// and consumes only the bytes that belonged to it.
PRUint32 DecodeUTF8(const unsigned char* s, PRUint32 length, PRUint32* i) {
  unsigned char lead = s[(*i)++];
  if (lead < 0x80)
    return lead;
  PRUint32 needed;
  PRUint32 codePoint;
  PRUint32 minimum;
  if ((lead & 0xE0) == 0xC0) {
    needed = 1, codePoint = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    needed = 2, codePoint = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    needed = 3, codePoint = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacementCharacter;
  }
  for (PRUint32 k = 0; k < needed; ++k) {
    if (*i >= length || (s[*i] & 0xC0) != 0x80)
      return kReplacementCharacter;
    codePoint = (codePoint << 6) | (s[(*i)++] & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return kReplacementCharacter;
  }
  return codePoint;
}

}  // namespace

void AppendUTF8toUTF16(const char* aSource, PRUint32 aLength, nsAString& aDest) {
  if (!aSource)
    return;
  if (aLength == PR_UINT32_MAX)
    aLength = PRUint32(strlen(aSource));
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(aSource);
  // Class names, tag names and most page text are ASCII: room for every byte is made once (no
  // UTF-8 text has more UTF-16 units than bytes) and the ASCII run is widened in one pass,
  // rather than one append per character.
  const PRUint32 start = aDest.Length();
  if (aLength >= PR_UINT32_MAX - start)
    return;  // no string holds that much
  PRUnichar* out = aDest.BeginWriting(start + aLength);
  if (!out)
    return;
  PRUint32 i = 0;
  for (; i < aLength && bytes[i] < 0x80; ++i)
    out[start + i] = PRUnichar(bytes[i]);
  if (i == aLength)
    return;
  aDest.SetLength(start + i);
  while (i < aLength)
    AppendCodePointAsUTF16(DecodeUTF8(bytes, aLength, &i), aDest);
}

void AppendUTF16toUTF8(const PRUnichar* aSource, PRUint32 aLength, nsACString& aDest) {
  if (!aSource)
    return;
  if (aLength == PR_UINT32_MAX)
    aLength = LengthOf(aSource);
  for (PRUint32 i = 0; i < aLength; ++i) {
    PRUint32 unit = aSource[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < aLength && aSource[i + 1] >= 0xDC00 &&
        aSource[i + 1] <= 0xDFFF) {
      PRUint32 low = aSource[++i];
      AppendCodePointAsUTF8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), aDest);
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendCodePointAsUTF8(kReplacementCharacter, aDest);
    } else {
      AppendCodePointAsUTF8(unit, aDest);
    }
  }
}

// The copies write straight into the destination: a string of the other character type
// cannot share its buffer with the source.
void CopyUTF8toUTF16(const nsACString& aSource, nsAString& aDest) {
  aDest.Truncate();
  AppendUTF8toUTF16(aSource.BeginReading(), aSource.Length(), aDest);
}

void CopyUTF16toUTF8(const nsAString& aSource, nsACString& aDest) {
  aDest.Truncate();
  AppendUTF16toUTF8(aSource.BeginReading(), aSource.Length(), aDest);
}

void CopyASCIItoUTF16(const nsACString& aSource, nsAString& aDest) {
  PRUint32 length = aSource.Length();
  PRUnichar* out = aDest.BeginWriting(length);
  if (!out)
    return;
  const char* in = aSource.BeginReading();
  for (PRUint32 i = 0; i < length; ++i)
    out[i] = PRUnichar(static_cast<unsigned char>(in[i]));
}

void LossyCopyUTF16toASCII(const nsAString& aSource, nsACString& aDest) {
  PRUint32 length = aSource.Length();
  char* out = aDest.BeginWriting(length);
  if (!out)
    return;
  const PRUnichar* in = aSource.BeginReading();
  for (PRUint32 i = 0; i < length; ++i)
    out[i] = char(in[i] & 0xFF);
}

NS_ConvertUTF8toUTF16::NS_ConvertUTF8toUTF16(const char* aData, PRUint32 aLength) {
  AppendUTF8toUTF16(aData, aLength, *this);
}

NS_ConvertASCIItoUTF16::NS_ConvertASCIItoUTF16(const char* aData, PRUint32 aLength) {
  if (!aData)
    return;
  if (aLength == PR_UINT32_MAX)
    aLength = PRUint32(strlen(aData));
  // Widened straight into this string: every NS_LITERAL_STRING comes this way.
  PRUnichar* out = BeginWriting(aLength);
  if (!out)
    return;
  for (PRUint32 i = 0; i < aLength; ++i)
    out[i] = PRUnichar(static_cast<unsigned char>(aData[i]));
}

NS_ConvertUTF16toUTF8::NS_ConvertUTF16toUTF8(const PRUnichar* aData, PRUint32 aLength) {
  AppendUTF16toUTF8(aData, aLength, *this);
}

nsresult NS_CStringToUTF16(const nsACString& aSource, nsCStringEncoding aSrcEncoding,
                           nsAString& aDest) {
  switch (aSrcEncoding) {
    case NS_CSTRING_ENCODING_ASCII:
      CopyASCIItoUTF16(aSource, aDest);
      return NS_OK;
    case NS_CSTRING_ENCODING_UTF8:
    case NS_CSTRING_ENCODING_NATIVE_FILESYSTEM:  // UTF-8 on the platforms we run on
      CopyUTF8toUTF16(aSource, aDest);
      return NS_OK;
  }
  return NS_ERROR_INVALID_ARG;
}

nsresult NS_UTF16ToCString(const nsAString& aSource, nsCStringEncoding aDestEncoding,
                           nsACString& aDest) {
  switch (aDestEncoding) {
    case NS_CSTRING_ENCODING_ASCII:
      LossyCopyUTF16toASCII(aSource, aDest);
      return NS_OK;
    case NS_CSTRING_ENCODING_UTF8:
    case NS_CSTRING_ENCODING_NATIVE_FILESYSTEM:
      CopyUTF16toUTF8(aSource, aDest);
      return NS_OK;
  }
  return NS_ERROR_INVALID_ARG;
}

namespace {
template <class StringT, class Map>
void MapInPlace(StringT& aString, Map map) {
  if (aString.IsEmpty())
    return;
  auto* data = aString.BeginWriting();
  if (!data)
    return;
  for (PRUint32 i = 0; i < aString.Length(); ++i)
    data[i] = map(data[i]);
}
}  // namespace

void ToLowerCase(nsAString& aString) {
  MapInPlace(aString, AsciiLower<PRUnichar>);
}
void ToLowerCase(nsACString& aString) {
  MapInPlace(aString, AsciiLower<char>);
}
void ToUpperCase(nsAString& aString) {
  MapInPlace(aString, AsciiUpper<PRUnichar>);
}
void ToUpperCase(nsACString& aString) {
  MapInPlace(aString, AsciiUpper<char>);
}

const nsAString& EmptyString() {
  static const nsString_external empty;
  return empty;
}

const nsACString& EmptyCString() {
  static const nsCString_external empty;
  return empty;
}

namespace {
template <class CharT>
CharT* CloneToHeap(const CharT* aData, PRUint32 aLength) {
  CharT* copy = static_cast<CharT*>(NS_Alloc((size_t(aLength) + 1) * sizeof(CharT)));
  if (!copy)
    return nsnull;
  if (aLength)
    memcpy(copy, aData, aLength * sizeof(CharT));
  copy[aLength] = 0;
  return copy;
}
}  // namespace

char* ToNewCString(const nsACString& aString) {
  return CloneToHeap(aString.BeginReading(), aString.Length());
}

char* ToNewUTF8String(const nsAString& aString) {
  NS_ConvertUTF16toUTF8 utf8(aString);
  return CloneToHeap(utf8.BeginReading(), utf8.Length());
}

PRUnichar* ToNewUnicode(const nsAString& aString) {
  return CloneToHeap(aString.BeginReading(), aString.Length());
}
