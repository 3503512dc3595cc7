// Calls a virtual function by its slot in the object's virtual table, as the test agent does:
// the agent knows slot numbers and argument lists, not our class declarations.
//
//   int count = callSlot<int>(domain, 2);             // getReferenceCount()
//   callSlot<int>(domain, 4, buffer, int(sizeof buffer));  // getImplementationName
#ifndef TESTS_SUPPORT_SLOTCALL_H
#define TESTS_SUPPORT_SLOTCALL_H

namespace slotcall {

// The agent's own view of a rectangle value: four 32-bit ints.
struct Rect4 {
  int x;
  int y;
  int width;
  int height;
};

template <class R, class... Args>
R callSlot(void* object, int slot, Args... args) {
  void* const* vtable = *static_cast<void* const* const*>(object);
  using Function = R (*)(void*, Args...);
  return reinterpret_cast<Function>(vtable[slot])(object, args...);
}

}  // namespace slotcall

#endif
