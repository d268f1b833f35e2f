// keelcli [--server NAME] COMMAND ...: see keelcli --help.
#include <stdio.h>

#include "cli/cli.h"

int main(int argc, char** argv) {
    Output output;
    int code = keelcli_main(argc, argv, &output);
    fwrite(output.out.data(), 1, output.out.size(), stdout);
    fflush(stdout);
    fwrite(output.err.data(), 1, output.err.size(), stderr);
    fflush(stderr);
    return code;
}
