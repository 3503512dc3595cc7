# Warnings are errors for everything this project compiles itself.
function(nshtml_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Werror -Wshadow -Wno-unused-parameter)
endfunction()

# The product and the host keep everything they do not export to themselves.
function(nshtml_hidden target)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    C_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
endfunction()
