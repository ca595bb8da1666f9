# Read by ctest after the discovered GoogleTest cases: the cases that move the real cursor or
# take the activation share one screen and one foreground window with every other case, so
# `ctest -j` runs them on their own.
set(tarnwick_alone
  "^ButtonAccessibleTest\\."
  "^InputTest\\."
  "^MdiChildForm\\."
  "^StormTest\\."
  "^LeaveTrackingTest\\."
  "^MainWindowTest\\.FirstFocusIsOnApplyAndTabMovesToHomepage$"
  "^SubclassTest\\.DeactivatingAFormDeliversWmActivateToBothOwners$"
  "^FormTest\\.AFormWithItsFrameCutAwayStillTakesAndGivesUpActivation$")
foreach(list platform_tests_TESTS aerobutton_tests_TESTS app_tests_TESTS)
  foreach(name IN LISTS ${list})
    foreach(pattern IN LISTS tarnwick_alone)
      if(name MATCHES "${pattern}")
        set_tests_properties("${name}" PROPERTIES RUN_SERIAL TRUE)
      endif()
    endforeach()
  endforeach()
endforeach()
