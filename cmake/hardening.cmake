# The protections Debian gives its own packages (dpkg-buildflags with hardening=+all), carried by
# every build of the program and its tests, so that no build of ours goes without them.
target_compile_options(lomvist_settings INTERFACE
  -fstack-protector-strong -fstack-clash-protection -Wformat -Werror=format-security)
# MinGW-w64 takes libssp, which the stack protector calls, from this flag on the link line.
target_link_options(lomvist_settings INTERFACE -fstack-protector-strong)

# Fortified calls need optimisation, and the sanitizers check those calls better themselves.
# A compiler that defines its own level (Ubuntu's does) must not see a second definition.
if(NOT (LOMVIST_SANITIZE OR LOMVIST_FUZZ))
  set(optimised "$<OR:$<CONFIG:Release>,$<CONFIG:RelWithDebInfo>,$<CONFIG:MinSizeRel>>")
  target_compile_options(lomvist_settings INTERFACE
    "$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()

if(NOT WIN32)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  target_link_options(lomvist_settings INTERFACE -Wl,-z,relro,-z,now)
endif()
