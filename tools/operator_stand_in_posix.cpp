// No windows to answer on POSIX.
#include "operator_stand_in.h"

void asOperator(const std::function<void()>& call)
{
    call();
}
