#include "shell.h"

Shell &Shell::instance()
{
    static Shell shell;
    return shell;
}
