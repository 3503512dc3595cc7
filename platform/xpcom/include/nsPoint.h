#ifndef NSPOINT_H
#define NSPOINT_H

#include "nsCoord.h"

// A point in app units (nsPoint) or in whole device pixels (nsIntPoint).
template <class T>
struct nsTPoint {
  T x, y;

  nsTPoint() : x(0), y(0) {}
  nsTPoint(T aX, T aY) : x(aX), y(aY) {}

  void MoveTo(T aX, T aY) {
    x = aX;
    y = aY;
  }
  void MoveBy(T aDx, T aDy) {
    x += aDx;
    y += aDy;
  }
  bool operator==(const nsTPoint& a) const { return x == a.x && y == a.y; }
  bool operator!=(const nsTPoint& a) const { return !(*this == a); }
  nsTPoint operator+(const nsTPoint& a) const { return nsTPoint(x + a.x, y + a.y); }
  nsTPoint operator-(const nsTPoint& a) const { return nsTPoint(x - a.x, y - a.y); }
  nsTPoint& operator+=(const nsTPoint& a) {
    x += a.x;
    y += a.y;
    return *this;
  }
  nsTPoint& operator-=(const nsTPoint& a) {
    x -= a.x;
    y -= a.y;
    return *this;
  }
};

struct nsPoint : public nsTPoint<nscoord> {
  nsPoint() {}
  nsPoint(nscoord aX, nscoord aY) : nsTPoint<nscoord>(aX, aY) {}
  nsPoint(const nsTPoint<nscoord>& a) : nsTPoint<nscoord>(a) {}
};

struct nsIntPoint : public nsTPoint<PRInt32> {
  nsIntPoint() {}
  nsIntPoint(PRInt32 aX, PRInt32 aY) : nsTPoint<PRInt32>(aX, aY) {}
  nsIntPoint(const nsTPoint<PRInt32>& a) : nsTPoint<PRInt32>(a) {}
};

#endif
