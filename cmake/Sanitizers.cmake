# -DLUMORA_SANITIZE=ON builds everything, tests included, with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report ends the process, so a test that trips one fails.
option(LUMORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

set(LUMORA_SANITIZER_ENVIRONMENT "")
if(LUMORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
  # Leaks inside the system's font and display libraries are theirs to fix; the suppressions
  # name those libraries only, never this program's code.
  set(LUMORA_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1")
endif()
