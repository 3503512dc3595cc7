// The interfaces through which the test agent sees the browser, and the smart pointer the
// library holds them with.
//
// The agent was built against the same declarations and calls every object by virtual-slot
// index, so the order of the virtual functions below is a fixed contract: never reorder,
// insert or remove one. No interface has a virtual destructor, so slot 0 of every object is
// addRef. Concrete classes may add virtual functions after these; those are private to the
// library.
#ifndef NATIVE_HTML_COMMON_HTMLOBJECT_H
#define NATIVE_HTML_COMMON_HTMLOBJECT_H

#include <cstddef>
#include <cstdlib>

#include "nsRect.h"
#include "nsStringAPI.h"

// A rectangle as property values hand it to the agent: x, y, width, height, four 32-bit ints.
struct HtmlRectangle {
  int x;
  int y;
  int width;
  int height;
};

class IHtmlDocument;
class IHtmlElement;
class IHtmlTopLevelElement;

// Root of every object the agent holds. A new object starts with one reference, owned by its
// creator; release() at the last reference destroys it.
class IHtmlObject {
 public:
  virtual void addRef() = 0;                     // slot 0
  virtual void release() = 0;                    // slot 1
  virtual int getReferenceCount() { return 0; }  // slot 2

 protected:
  ~IHtmlObject() = default;
};

class IHtmlEnumerator : public IHtmlObject {
 public:
  virtual IHtmlObject* nextElement() = 0;  // slot 3: a new reference, or null
  virtual bool hasMoreElements() = 0;      // slot 4

 protected:
  ~IHtmlEnumerator() = default;
};

class IHtmlPropertyValue : public IHtmlObject {
 public:
  virtual int type() = 0;                      // slot 3
  virtual const unsigned short* string() = 0;  // slot 4: lent, valid while the value lives
  virtual unsigned short shortValue() = 0;     // slot 5
  virtual int intValue() = 0;                  // slot 6
  virtual long long longValue() = 0;           // slot 7
  virtual float floatValue() = 0;              // slot 8
  virtual int stringLength() = 0;              // slot 9: UTF-16 code units
  virtual IHtmlElement* element() = 0;         // slot 10
  virtual HtmlRectangle rectangle() = 0;       // slot 11
  virtual bool booleanValue() = 0;             // slot 12
  virtual IHtmlObject* object() = 0;           // slot 13

 protected:
  ~IHtmlPropertyValue() = default;
};

class IHtmlProperty : public IHtmlObject {
 public:
  virtual const unsigned short* getPropertyName() = 0;  // slot 3: lent
  virtual IHtmlPropertyValue* getPropertyValue() = 0;   // slot 4: lent, no reference added

 protected:
  ~IHtmlProperty() = default;
};

class IHtmlString : public IHtmlObject {
 public:
  virtual const unsigned short* string() = 0;  // slot 3

 protected:
  ~IHtmlString() = default;
};

class IHtmlBrowserThread : public IHtmlObject {
 public:
  virtual unsigned int getThread() = 0;  // slot 3

 protected:
  ~IHtmlBrowserThread() = default;
};

class IHtmlDomain : public IHtmlObject {
 public:
  virtual IHtmlTopLevelElement* getTopLevelObject(long windowHandle) = 0;  // slot 3
  virtual int getImplementationName(char* buffer, int size) = 0;           // slot 4
  virtual IHtmlEnumerator* enumBrowsers() = 0;                             // slot 5
  virtual IHtmlEnumerator* enumBrowserThreads() = 0;                       // slot 6
  virtual bool isBrowserWindow(long windowHandle) = 0;                     // slot 7
  virtual void* getNativeProxy(long windowHandle) = 0;                     // slot 8
  virtual void* getEmbeddedProxy(long windowHandle) = 0;                   // slot 9
  virtual long getDocHanldeFromBrowser(long windowHandle) { return 0; }    // slot 10
  virtual void onEmbeddedBrowserDestroyed(long windowHandle) {}            // slot 11

 protected:
  ~IHtmlDomain() = default;
};

class IHtmlElement : public IHtmlObject {
 public:
  virtual IHtmlEnumerator* getChildren() = 0;                                             // slot 3
  virtual IHtmlElement* getTopParent() = 0;                                               // slot 4
  virtual IHtmlElement* getParent() = 0;                                                  // slot 5
  virtual IHtmlPropertyValue* getProperty(const char* canonicalName) = 0;                 // slot 6
  virtual IHtmlPropertyValue* getProperty(unsigned int propertyId) = 0;                   // slot 7
  virtual bool isPointInObject(int x, int y) = 0;                                         // slot 8
  virtual IHtmlElement* getChildAtPoint(int x, int y) = 0;                                // slot 9
  virtual long long getObject() = 0;                                                      // slot 10
  virtual IHtmlEnumerator* getProperties() = 0;                                           // slot 11
  virtual IHtmlEnumerator* getNativeProperties() = 0;                                     // slot 12
  virtual bool setProperty(const char* canonicalName, IHtmlPropertyValue* value) = 0;     // 13
  virtual bool scrollIntoView() = 0;                                                      // slot 14
  virtual bool scrollIntoView(bool alignToTop) { return false; }                          // slot 15
  virtual IHtmlDocument* getDocumentHandle() { return nullptr; }                          // slot 16
  virtual bool doScroll(int amount) { return false; }                                     // slot 17
  virtual IHtmlPropertyValue* getOption(int index, const char* name) { return nullptr; }  // 18
  virtual IHtmlElement* getDojoControl(int x, int y) { return nullptr; }                  // slot 19
  virtual IHtmlElement* getTreeNodeAtPoint(int x, int y) { return nullptr; }              // slot 20
  virtual IHtmlElement* getParentMenu() { return nullptr; }                               // slot 21
  virtual IHtmlElement* getDojoActiveChildMenu() { return nullptr; }                      // slot 22
  virtual IHtmlElement* getDojoActiveMenuItem() { return nullptr; }                       // slot 23
  virtual IHtmlPropertyValue* getOption(const char* name) { return nullptr; }             // slot 24
  virtual IHtmlElement* getParentDojoTextBox() { return nullptr; }                        // slot 25
  virtual IHtmlEnumerator* getElementsByTag(const unsigned short* tagName) {              // slot 26
    return nullptr;
  }
  virtual bool clickWithOutMouse() { return false; }  // slot 27

 protected:
  ~IHtmlElement() = default;
};

class IHtmlTopLevelElement : public IHtmlElement {
 public:
  virtual IHtmlElement* getOwner() = 0;  // slot 28

 protected:
  ~IHtmlTopLevelElement() = default;
};

class IHtmlBrowser : public IHtmlTopLevelElement {
 public:
  // Any int the agent passes is a value of the type (a fixed underlying type, same size and
  // passing as before), so an unknown command is answered false rather than being undefined.
  enum BrowserCommand : int {
    BrowserBack = 0,
    BrowserForward = 1,
    BrowserRefresh = 2,
    BrowserHome = 3
  };

  virtual bool isValid() = 0;                                                   // slot 29
  virtual bool executeCommand(BrowserCommand command) = 0;                      // slot 30
  virtual bool loadUrl(const char* url, const char* target) = 0;                // slot 31
  virtual int deleteCookies(char* message) = 0;                                 // slot 32
  virtual int deleteCookies(const char* url, bool partial, char* message) = 0;  // slot 33
  virtual IHtmlElement* getElementWithFocus() = 0;                              // slot 34

 protected:
  ~IHtmlBrowser() = default;
};

class IHtmlDocument : public IHtmlElement {
 public:
  IHtmlEnumerator* getElementsByTag(const unsigned short* tagName) override = 0;      // slot 26
  virtual IHtmlEnumerator* getElementsByName(const unsigned short* name) = 0;         // slot 28
  virtual IHtmlElement* getElementById(const unsigned short* id) { return nullptr; }  // 29
  virtual IHtmlPropertyValue* invokeScript(const char* script, const char* arg) = 0;  // 30
  virtual IHtmlElement* getElementHandleById(const unsigned short* id) = 0;           // slot 31
  virtual IHtmlEnumerator* getAllDocumentHandlesInDocument() { return nullptr; }      // slot 32

 protected:
  ~IHtmlDocument() = default;
};

// Library-internal: what the DOM element and text-node classes offer each other.
class INSDomElement : public IHtmlElement {
 public:
  virtual nsRect getScreenRect() = 0;                 // slot 28: X11 screen pixels
  virtual bool isVisible() = 0;                       // slot 29
  virtual bool getText(nsString_external& text) = 0;  // slot 30

 protected:
  ~INSDomElement() = default;
};

// Length in UTF-16 code units up to the terminating zero. The platform's wchar_t is four
// bytes wide, so the library carries its own.
size_t wcslen(const unsigned short* text);
// Copies `source` with its terminator into `destination`; returns `destination`.
unsigned short* wcscpy(unsigned short* destination, const unsigned short* source);

// Owns one reference to a T. Construction or assignment from a raw pointer adopts it (the
// reference handed over by whoever made it); copies add a reference.
//
//   CHtmlObjectPtr<IHtmlPropertyValue> value = element->getProperty(14);  // adopted
//   if (value) use(value->rectangle());                                   // released at scope end
template <class T>
class CHtmlObjectPtr {
 public:
  CHtmlObjectPtr() : p(nullptr) {}
  CHtmlObjectPtr(T* adopted) : p(adopted) {}
  CHtmlObjectPtr(const CHtmlObjectPtr<T>& other) : p(other.p) {
    if (p)
      p->addRef();
  }
  ~CHtmlObjectPtr() {
    if (p)
      p->release();
  }

  // Adopts `adopted`. Assigning the pointer already held leaves the object alone.
  CHtmlObjectPtr<T>& operator=(T* adopted) {
    if (adopted != p) {
      T* old = p;
      p = adopted;
      if (old)
        old->release();
    }
    return *this;
  }
  CHtmlObjectPtr<T>& operator=(const CHtmlObjectPtr<T>& other) {
    T* old = p;
    p = other.p;
    if (p)
      p->addRef();
    if (old)
      old->release();
    return *this;
  }

  // Precondition: not null. Checked, because a null here is a bug in the library.
  T* operator->() const { return checked(); }
  T& operator*() const { return *checked(); }
  operator T*() const { return p; }

  // Gives the reference to the caller and holds nothing.
  T* detach() {
    T* held = p;
    p = nullptr;
    return held;
  }

 private:
  T* checked() const {
    if (!p)
      abort();
    return p;
  }

  T* p;
};

#endif
