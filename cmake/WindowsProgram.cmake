# xs_windows_program(TARGET...): makes each executable target a hardened
# Windows program. Its first act restricts the DLL search to System32 and it
# carries the common manifest (asInvoker, Windows 7 to 11, per-monitor DPI
# awareness, common controls 6), both from src/platform/win32. Nothing
# elsewhere.
function(xs_windows_program)
  if(WIN32)
    foreach(target IN LISTS ARGN)
      target_link_libraries(${target} PRIVATE xs_program_start)
    endforeach()
  endif()
endfunction()
