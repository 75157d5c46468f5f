# Makes every test's working folder afresh: cmake -DTEST_RUN=DIR -DFOLDERS=a|b|c -P this-file
file(REMOVE_RECURSE ${TEST_RUN})
string(REPLACE "|" ";" FOLDERS "${FOLDERS}")
foreach(folder IN LISTS FOLDERS)
    file(MAKE_DIRECTORY ${TEST_RUN}/${folder}/Plugins)
endforeach()
