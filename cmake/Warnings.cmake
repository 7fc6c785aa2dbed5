# wavorin_warnings: the warning level every target of ours compiles at.
add_library(wavorin_warnings INTERFACE)
target_compile_options(wavorin_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
if(WAVORIN_WERROR)
  target_compile_options(wavorin_warnings INTERFACE -Werror)
endif()
if(WIN32)
  # Unicode Win32 throughout; the ANSI functions are used only where a file format needs bytes.
  target_compile_definitions(wavorin_warnings INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()
