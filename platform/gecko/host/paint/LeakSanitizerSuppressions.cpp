// Fontconfig, brought up by Xft the first time a page is painted, keeps a few allocations for
// the life of the process. In the sanitizer build LeakSanitizer would report them at exit in
// every program that paints; they are not ours to free. The runtime asks for this hook by name.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
