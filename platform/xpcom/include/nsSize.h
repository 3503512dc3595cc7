#ifndef NSSIZE_H
#define NSSIZE_H

#include "nsCoord.h"

struct nsSize {
  nscoord width, height;
  nsSize() : width(0), height(0) {}
  nsSize(nscoord aWidth, nscoord aHeight) : width(aWidth), height(aHeight) {}
  bool operator==(const nsSize& a) const { return width == a.width && height == a.height; }
  bool operator!=(const nsSize& a) const { return !(*this == a); }
};

struct nsIntSize {
  PRInt32 width, height;
  nsIntSize() : width(0), height(0) {}
  nsIntSize(PRInt32 aWidth, PRInt32 aHeight) : width(aWidth), height(aHeight) {}
  bool operator==(const nsIntSize& a) const { return width == a.width && height == a.height; }
  bool operator!=(const nsIntSize& a) const { return !(*this == a); }
};

#endif
