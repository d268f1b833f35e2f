// The commands keelcli knows, with their usage texts.
#include <ctype.h>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/table.h"

const CommandEntry COMMANDS[] = {
    {"version", nullptr, "version [--json]", "versions, console check, access level, option mask",
     "Shows what the console checks when it connects. Exits 3 when the service is out of date, refuses this\n"
     "client's version or grants no access, with the console's text on stderr.\n",
     OPT_JSON, 0, 0, NEEDS_CONNECTION, nullptr, run_version},
    {"status", nullptr, "status", "the server's status text", nullptr, 0, 0, 0, NEEDS_CONNECTION, nullptr, run_status},
    {"list", nullptr, "list CLASS [OBJECT] [--json]", "object names of a class, or property names",
     "Object names come sorted (unsigned byte order), without the temporary object of half-built\n"
     "creations; property names come in the server's order.\n",
     OPT_JSON, 1, 2, NEEDS_ADMISSION, nullptr, run_list},
    {"get", nullptr, "get CLASS OBJECT PROPERTY [--text]", "a property value, in hex or as a text",
     "Prints the value as lower-case hex digit pairs, or with --text as the text up to its NUL.\n", OPT_TEXT, 3, 3,
     NEEDS_ADMISSION, nullptr, run_get},
    {"set", nullptr, "set CLASS OBJECT PROPERTY (--hex HEX | --text TEXT)", "create or replace a property value",
     "--hex takes digit pairs, blanks allowed between pairs (\"0a 00 00 01\"); --text stores the text with\n"
     "its NUL. The object must exist. A value too long for one request is refused and nothing is sent.\n",
     OPT_HEX_VALUE | OPT_TEXT_VALUE, 3, 3, NEEDS_ADMISSION, check_set, run_set},
    {"exists", nullptr, "exists CLASS OBJECT [PROPERTY]", "whether an object or a property exists",
     "Prints yes (exit status 0) or no (exit status 1).\n", 0, 2, 3, NEEDS_ADMISSION, nullptr, run_exists},
    {"delete", nullptr, "delete CLASS OBJECT [PROPERTY]", "delete an object, or one of its properties", nullptr, 0, 2,
     3, NEEDS_ADMISSION, nullptr, run_delete},
    {"rename", nullptr, "rename CLASS OBJECT NEWNAME [--replace]", "give an object a new name",
     "An object already named NEWNAME is left alone and the rename refused, unless --replace is given.\n", OPT_REPLACE,
     3, 3, NEEDS_ADMISSION, nullptr, run_rename},
    {"create", nullptr, "create CLASS OBJECT", "create an empty object", nullptr, 0, 2, 2, NEEDS_ADMISSION, nullptr,
     run_create},
    {"stats", nullptr, "stats [--json]", "every statistics counter, by id and name",
     "The up time reads \"DAYS Days HH:MM:SS\"; a counter the server did not send reads N/A (null in JSON).\n",
     OPT_JSON, 0, 0, NEEDS_ADMISSION, nullptr, run_stats},
    {"sessions", nullptr, "sessions [--json]", "the current users",
     "The columns of the Current Users window; --json adds each record's distinguished name.\n", OPT_JSON, 0, 0,
     NEEDS_ADMISSION, nullptr, run_sessions},
    {"sessions", "delete", "sessions delete KEY-OPTIONS... [--all]", "delete current-user records",
     "KEY-OPTIONS: --client C, --user U, --dn D, --session-id S, --port P, --port-type T.\n"
     "The key fields given must equal the record's (the others match any); exactly one record may match,\n"
     "or every matching one is deleted with --all. Each delete sends the record's full key as the server\n"
     "listed it.\n",
     OPT_SESSION_KEY | OPT_ALL, 0, 0, NEEDS_ADMISSION, check_sessions_delete, run_sessions_delete},
    {"admins", nullptr, "admins [--json]", "the administrators, users and groups", nullptr, OPT_JSON, 0, 0,
     NEEDS_ADMISSION, nullptr, run_admins},
    {"admins", "add", "admins add NAME [--group]", "add an administrator (a group with --group)",
     "Domain accounts are written DOMAIN\\NAME.\n", OPT_GROUP, 1, 1, NEEDS_ADMISSION, nullptr, run_admins_add},
    {"admins", "remove", "admins remove NAME [--group]", "remove an administrator (a group with --group)", nullptr,
     OPT_GROUP, 1, 1, NEEDS_ADMISSION, nullptr, run_admins_remove},
    {"products", nullptr, "products [--json]", "the server's product list", nullptr, OPT_JSON, 0, 0, NEEDS_ADMISSION,
     nullptr, run_products},
    {"dictionaries", nullptr, "dictionaries [--json]", "the server's named dictionaries", nullptr, OPT_JSON, 0, 0,
     NEEDS_ADMISSION, nullptr, run_dictionaries},
    {"export", nullptr,
     "export FILE [--users] [--profiles] [--clients] [--proxies] [--pools] [--messages] [--configuration] "
     "[--access]",
     "write the database to a .rif file",
     "Writes the parts given (every part when none is given) as the console's Export does, to the same\n"
     "bytes, and appends to export.log in the current directory. Exits 4 when an error was logged, with\n"
     "the count on stderr. Shows its progress on stderr when stderr is a terminal.\n",
     OPT_EXPORT_PARTS, 1, 1, NEEDS_ADMISSION, nullptr, run_export},
    {nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, NEEDS_CONNECTION, nullptr, nullptr},
};

static const char USAGE_LINE[] = "usage: keelcli [--server NAME] ";

std::string general_usage() {
    TextTable table;
    for (const CommandEntry* entry = COMMANDS; entry->name; ++entry) {
        table.rows.push_back({std::string("  ") + entry->synopsis, entry->summary});
    }
    return std::string(USAGE_LINE) + "COMMAND [ARGUMENTS]\n\nCommands:\n" + format_table(table) +
           "\nOptions:\n"
           "  --server NAME  the server's computer name (\\\\NAME also; \".\" the local pipe); without it,\n"
           "                 this computer by name\n"
           "  --json         JSON output where a command prints a list or a table\n"
           "  --help         this text; keelcli COMMAND --help for one command\n"
           "\n"
           "Names go to the server byte for byte as typed. Database commands run under the server lock.\n"
           "Exit status: 0 done; 1 \"no\" from exists; 2 bad command line; 3 no connection, or the\n"
           "service does not admit this client; 4 a request failed (its status on stderr).\n";
}

std::string command_usage(const CommandEntry& entry) {
    std::string summary = entry.summary;
    summary[0] = (char)toupper((unsigned char)summary[0]);
    std::string text = std::string(USAGE_LINE) + entry.synopsis + "\n\n" + summary + ".\n";
    if (entry.details) text += "\n" + std::string(entry.details);
    return text;
}
