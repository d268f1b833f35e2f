#include <windows.h>

#include "tests/cli/run_program.h"
#include "tests/sim/sim_test_support.h"

namespace {

// The quoting the C runtime undoes when it splits a command line into argv.
std::string quote(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

HANDLE create_output(const std::string& path) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

std::string without_carriage_returns(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

}  // namespace

ProgramResult run_program(const std::string& program, const std::vector<std::string>& arguments) {
    ProgramResult result;
    std::string out_path = test_directory() + "\\program.out";
    std::string err_path = test_directory() + "\\program.err";
    HANDLE out = create_output(out_path);
    HANDLE err = create_output(err_path);
    std::string command = quote(program);
    for (const std::string& argument : arguments) command += " " + quote(argument);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process = {};
    BOOL created =
        out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
        CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
    if (err != INVALID_HANDLE_VALUE) CloseHandle(err);
    if (!created) return result;
    DWORD exit_code = 0;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.hProcess, &exit_code)) {
        result.started = true;
        result.exit_code = (int)exit_code;
    } else {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    result.out = without_carriage_returns(read_test_file(out_path));
    result.err = without_carriage_returns(read_test_file(err_path));
    return result;
}
