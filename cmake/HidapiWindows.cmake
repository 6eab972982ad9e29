# hidapi's Windows back end as a static library, built from the hidapi source
# folder HIDAPI_WIN_SOURCE (Debian's source package; scripts/windows.sh fetches
# it). It loads hid.dll and cfgmgr32.dll itself at run time, so nothing else is
# linked. Sets HIDAPI_INCLUDE_DIRS like the pkg-config module does on Linux,
# and MU_HIDAPI, the item the program links: the whole archive, since the
# area libraries that call it come later on the link line.
if(NOT HIDAPI_WIN_SOURCE OR NOT EXISTS "${HIDAPI_WIN_SOURCE}/windows/hid.c")
  message(FATAL_ERROR "hidapi source not found: pass -DHIDAPI_WIN_SOURCE=<folder holding windows/hid.c> "
                      "(scripts/windows.sh fetches Debian's hidapi source package)")
endif()
enable_language(C)
add_library(hidapi_windows STATIC ${HIDAPI_WIN_SOURCE}/windows/hid.c)
set(HIDAPI_INCLUDE_DIRS ${HIDAPI_WIN_SOURCE}/hidapi)
target_include_directories(hidapi_windows PUBLIC ${HIDAPI_INCLUDE_DIRS})
# Third-party code: its warnings are not ours to fix.
target_compile_options(hidapi_windows PRIVATE -w)
set(MU_HIDAPI "$<LINK_LIBRARY:WHOLE_ARCHIVE,hidapi_windows>")
