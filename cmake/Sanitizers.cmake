# One switch turns on AddressSanitizer and UndefinedBehaviorSanitizer for every target, so the
# product, the host and the tests that load them share one runtime. The vptr check is left out:
# classes of the product and of the host meet across dlopen'ed objects with hidden type
# information, which that check cannot compare.
if(NSHTML_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=all
           -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(-fsanitize=address,undefined -fno-sanitize=vptr)
endif()
