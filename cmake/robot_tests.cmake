# vscrobot's tests: its parts under GoogleTest, then the real program over HTTP and the mail
# pipe, against a server on 127.0.0.1 on a free port.
set(ROBOT_TESTS ${TESTS}/robot)
stats_test(robot_tests SOURCES
    ${ROBOT_TESTS}/log_store_test.cpp
    ${ROBOT_TESTS}/mail_message_test.cpp
    ${ROBOT_TESTS}/robot_parts_test.cpp
    LIBS robot_logic)
stats_add_test(robot_http sh ${ROBOT_TESTS}/robot_http.sh $<TARGET_FILE:vscrobot>)
stats_add_test(robot_crash sh ${ROBOT_TESTS}/robot_crash.sh $<TARGET_FILE:vscrobot>)
stats_add_test(robot_full_disk sh ${ROBOT_TESTS}/robot_full_disk.sh $<TARGET_FILE:vscrobot>)
stats_add_test(robot_submit sh ${ROBOT_TESTS}/robot_submit.sh $<TARGET_FILE:vscrobot>)
