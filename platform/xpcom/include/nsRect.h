// Rectangles: nsRect in app units, nsIntRect in whole device pixels. Both are four signed
// 32-bit numbers, x, y, width and height, with the right and bottom edges excluded.
#ifndef NSRECT_H
#define NSRECT_H

#include <algorithm>

#include "nsCoord.h"
#include "nsPoint.h"
#include "nsSize.h"

template <class T, class Point, class Size>
struct nsTRect {
  T x, y, width, height;

  nsTRect() : x(0), y(0), width(0), height(0) {}
  nsTRect(T aX, T aY, T aWidth, T aHeight) : x(aX), y(aY), width(aWidth), height(aHeight) {}

  void SetRect(T aX, T aY, T aWidth, T aHeight) {
    x = aX;
    y = aY;
    width = aWidth;
    height = aHeight;
  }
  void Empty() { SetRect(0, 0, 0, 0); }
  bool IsEmpty() const { return width <= 0 || height <= 0; }
  void MoveTo(T aX, T aY) {
    x = aX;
    y = aY;
  }
  void MoveBy(T aDx, T aDy) {
    x += aDx;
    y += aDy;
  }
  void SizeTo(T aWidth, T aHeight) {
    width = aWidth;
    height = aHeight;
  }
  T XMost() const { return x + width; }
  T YMost() const { return y + height; }
  Point TopLeft() const { return Point(x, y); }
  Size GetSize() const { return Size(width, height); }

  // Whether the point lies inside, the right and bottom edges excluded.
  bool Contains(T aX, T aY) const { return aX >= x && aY >= y && aX < XMost() && aY < YMost(); }
  bool Contains(const nsTRect& a) const {
    return a.x >= x && a.y >= y && a.XMost() <= XMost() && a.YMost() <= YMost();
  }
  bool Intersects(const nsTRect& a) const {
    return !IsEmpty() && !a.IsEmpty() && x < a.XMost() && a.x < XMost() && y < a.YMost() &&
           a.y < YMost();
  }
  // This rectangle becomes the overlap of a and b; answers whether they overlap at all.
  bool IntersectRect(const nsTRect& a, const nsTRect& b) {
    T left = std::max(a.x, b.x);
    T top = std::max(a.y, b.y);
    T right = std::min(a.XMost(), b.XMost());
    T bottom = std::min(a.YMost(), b.YMost());
    if (right <= left || bottom <= top) {
      Empty();
      return false;
    }
    SetRect(left, top, right - left, bottom - top);
    return true;
  }
  // This rectangle becomes the smallest one holding a and b; an empty one does not count.
  bool UnionRect(const nsTRect& a, const nsTRect& b) {
    if (a.IsEmpty()) {
      *this = b;
    } else if (b.IsEmpty()) {
      *this = a;
    } else {
      T left = std::min(a.x, b.x);
      T top = std::min(a.y, b.y);
      SetRect(left, top, std::max(a.XMost(), b.XMost()) - left,
              std::max(a.YMost(), b.YMost()) - top);
    }
    return !IsEmpty();
  }
  bool operator==(const nsTRect& a) const {
    return x == a.x && y == a.y && width == a.width && height == a.height;
  }
  bool operator!=(const nsTRect& a) const { return !(*this == a); }
};

struct nsRect : public nsTRect<nscoord, nsPoint, nsSize> {
  typedef nsTRect<nscoord, nsPoint, nsSize> Super;
  nsRect() {}
  nsRect(nscoord aX, nscoord aY, nscoord aWidth, nscoord aHeight)
      : Super(aX, aY, aWidth, aHeight) {}
  nsRect(const Super& a) : Super(a) {}
};

struct nsIntRect : public nsTRect<PRInt32, nsIntPoint, nsIntSize> {
  typedef nsTRect<PRInt32, nsIntPoint, nsIntSize> Super;
  nsIntRect() {}
  nsIntRect(PRInt32 aX, PRInt32 aY, PRInt32 aWidth, PRInt32 aHeight)
      : Super(aX, aY, aWidth, aHeight) {}
  nsIntRect(const Super& a) : Super(a) {}
};

#endif
