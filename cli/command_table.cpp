// The commands keelcli knows, with their usage texts.
#include <ctype.h>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/import_common.h"
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
    {"user", nullptr, "user [--kind KIND] [--json]", "the users, as user list", nullptr, OPT_KIND | OPT_JSON, 0, 0,
     NEEDS_ADMISSION, check_user_options, run_user_list},
    {"user", "list", "user list [--kind KIND] [--json]", "the users of every kind, or of one",
     "KIND: native, domain-user, domain-group, host-user, host-group, securid, securid-prefix,\n"
     "securid-suffix. Names are listed as the console lists them: a SecurID prefix or suffix with\n"
     "<USERNAME> where the user name goes.\n",
     OPT_KIND | OPT_JSON, 0, 0, NEEDS_ADMISSION, check_user_options, run_user_list},
    {"user", "show", "user show NAME [--json] [--show-secret]", "a user's kind, profile, password and lists",
     "Each row reads \"Attribute = value\"; rows inherited from the profile are marked [profile], the\n"
     "user's own that replace them [overrides profile], and inherited rows the user removes [subtracted].\n"
     "--show-secret shows a PAP-or-CHAP password's text, where the server lets the console show it.\n",
     OPT_JSON | OPT_SHOW_SECRET, 1, 1, NEEDS_ADMISSION, nullptr, run_user_show},
    {"user", "add", "user add NAME [--kind KIND] [PASSWORD] [--pap-only] [--profile P] [LISTS]", "add a user",
     "PASSWORD: --password TEXT or --password-stdin (the first line of standard input).\n"
     "LISTS: --check \"Attribute = value\" and --reply \"Attribute = value\", each as often as needed;\n"
     "\"<POOL>\" names an address pool. Names are stored upper case. Every value is checked by the\n"
     "console's rules before the user is created; an existing user is left alone and refused.\n",
     OPT_KIND | OPT_PASSWORD | OPT_PASSWORD_STDIN | OPT_PAP_ONLY | OPT_PROFILE | OPT_CHECK | OPT_REPLY, 1, 1,
     NEEDS_ADMISSION, check_user_options, run_user_add},
    {"user", "set", "user set NAME [PASSWORD] [--pap-only] [--profile P] [LISTS]", "change a user",
     "Options as for user add. A list is replaced only when --check (or --reply) is given; --profile \"\"\n"
     "removes the profile link.\n",
     OPT_PASSWORD | OPT_PASSWORD_STDIN | OPT_PAP_ONLY | OPT_PROFILE | OPT_CHECK | OPT_REPLY, 1, 1, NEEDS_ADMISSION,
     check_user_options, run_user_set},
    {"user", "passwd", "user passwd NAME [--pap-only] [--password-stdin]", "set a native user's password",
     "Typed twice at the terminal without echo, or the first line of standard input.\n",
     OPT_PAP_ONLY | OPT_PASSWORD_STDIN, 1, 1, NEEDS_ADMISSION, nullptr, run_user_passwd},
    {"user", "check-password", "user check-password NAME [--password-stdin]", "whether a password is the user's",
     "Exit status 0 when it is, 1 when it is not.\n", OPT_PASSWORD_STDIN, 1, 1, NEEDS_ADMISSION, nullptr,
     run_user_check_password},
    {"user", "remove", "user remove NAME", "remove a user", nullptr, 0, 1, 1, NEEDS_ADMISSION, nullptr,
     run_user_remove},
    {"client", nullptr, "client [--json]", "the RAS clients, as client list", nullptr, OPT_JSON, 0, 0, NEEDS_ADMISSION,
     nullptr, run_client_list},
    {"client", "list", "client list [--json]", "the RAS clients", nullptr, OPT_JSON, 0, 0, NEEDS_ADMISSION, nullptr,
     run_client_list},
    {"client", "show", "client show NAME [--json] [--show-secret]", "a RAS client's address, product and secrets",
     "Secrets read set or none; --show-secret prints them where the server lets the console show them.\n",
     OPT_JSON | OPT_SHOW_SECRET, 1, 1, NEEDS_ADMISSION, nullptr, run_client_show},
    {"client", "add", "client add NAME [CLIENT-OPTIONS]", "add a RAS client",
     "CLIENT-OPTIONS: --address ADDRESS (a dotted quad or a host name; \"\" for none), --product NAME (one\n"
     "of the server's products; a new client starts with the standard one), --secret-stdin and\n"
     "--acct-secret-stdin (a line of standard input each, in that order).\n",
     OPT_ADDRESS | OPT_PRODUCT | OPT_SECRET_STDIN | OPT_ACCT_SECRET_STDIN, 1, 1, NEEDS_ADMISSION, nullptr,
     run_client_add},
    {"client", "set", "client set NAME [CLIENT-OPTIONS]", "change a RAS client", "Options as for client add.\n",
     OPT_ADDRESS | OPT_PRODUCT | OPT_SECRET_STDIN | OPT_ACCT_SECRET_STDIN, 1, 1, NEEDS_ADMISSION, nullptr,
     run_client_set},
    {"client", "remove", "client remove NAME", "remove a RAS client", nullptr, 0, 1, 1, NEEDS_ADMISSION, nullptr,
     run_client_remove},
    {"proxy", nullptr, "proxy [--json]", "the proxy targets, as proxy list", nullptr, OPT_JSON, 0, 0, NEEDS_ADMISSION,
     nullptr, run_proxy_list},
    {"proxy", "list", "proxy list [--json]", "the proxy targets", nullptr, OPT_JSON, 0, 0, NEEDS_ADMISSION, nullptr,
     run_proxy_list},
    {"proxy", "show", "proxy show NAME [--json] [--show-secret]", "a proxy target's settings",
     "Secrets read set or none; --show-secret prints them where the server lets the console show them.\n",
     OPT_JSON | OPT_SHOW_SECRET, 1, 1, NEEDS_ADMISSION, nullptr, run_proxy_show},
    {"proxy", "add", "proxy add NAME [PROXY-OPTIONS]", "add a proxy target",
     "PROXY-OPTIONS: --address ADDRESS, --retries N (3 unless a number), --retry-ms N (5000 unless a\n"
     "number), --accounting forward|record|both, --secret-stdin and --acct-secret-stdin.\n",
     OPT_ADDRESS | OPT_RETRIES | OPT_RETRY_MS | OPT_ACCOUNTING | OPT_SECRET_STDIN | OPT_ACCT_SECRET_STDIN, 1, 1,
     NEEDS_ADMISSION, nullptr, run_proxy_add},
    {"proxy", "set", "proxy set NAME [PROXY-OPTIONS]", "change a proxy target", "Options as for proxy add.\n",
     OPT_ADDRESS | OPT_RETRIES | OPT_RETRY_MS | OPT_ACCOUNTING | OPT_SECRET_STDIN | OPT_ACCT_SECRET_STDIN, 1, 1,
     NEEDS_ADMISSION, nullptr, run_proxy_set},
    {"proxy", "remove", "proxy remove NAME", "remove a proxy target", nullptr, 0, 1, 1, NEEDS_ADMISSION, nullptr,
     run_proxy_remove},
    {"pool", nullptr, "pool [--json]", "the IP address pools, as pool list", nullptr, OPT_JSON, 0, 0, NEEDS_ADMISSION,
     nullptr, run_pool_list},
    {"pool", "list", "pool list [--json]", "the IP address pools", nullptr, OPT_JSON, 0, 0, NEEDS_ADMISSION, nullptr,
     run_pool_list},
    {"pool", "show", "pool show NAME [--json]", "a pool's description and ranges", nullptr, OPT_JSON, 1, 1,
     NEEDS_ADMISSION, nullptr, run_pool_show},
    {"pool", "add", "pool add NAME [--description TEXT]", "add an IP address pool", nullptr, OPT_DESCRIPTION, 1, 1,
     NEEDS_ADMISSION, nullptr, run_pool_add},
    {"pool", "remove", "pool remove NAME", "remove an IP address pool", nullptr, 0, 1, 1, NEEDS_ADMISSION, nullptr,
     run_pool_remove},
    {"pool", "add-range", "pool add-range NAME START COUNT", "add COUNT addresses from START to a pool",
     "Refused as the Add New IP Address Range dialog refuses it: no addresses, past 255.255.255.255,\n"
     "or sharing an address or a start with a range of the pool.\n",
     0, 3, 3, NEEDS_ADMISSION, nullptr, run_pool_add_range},
    {"pool", "remove-range", "pool remove-range NAME START", "remove the range starting at START", nullptr, 0, 2, 2,
     NEEDS_ADMISSION, nullptr, run_pool_remove_range},
    {"profile", nullptr, "profile [--json]", "the profiles, as profile list", nullptr, OPT_JSON, 0, 0,
     NEEDS_ADMISSION, nullptr, run_profile_list},
    {"profile", "list", "profile list [--json]", "the profiles", nullptr, OPT_JSON, 0, 0, NEEDS_ADMISSION, nullptr,
     run_profile_list},
    {"profile", "show", "profile show NAME [--json]", "a profile's check and return lists",
     "Each row reads \"Attribute = value\".\n", OPT_JSON, 1, 1, NEEDS_ADMISSION, nullptr, run_profile_show},
    {"profile", "add", "profile add NAME [LISTS]", "add a profile",
     "LISTS: --check \"Attribute = value\" and --reply \"Attribute = value\", each as often as needed;\n"
     "\"<POOL>\" names an address pool. Names are stored upper case. Every value is checked by the\n"
     "console's rules before the profile is created; an existing profile is left alone and refused.\n",
     OPT_CHECK | OPT_REPLY, 1, 1, NEEDS_ADMISSION, nullptr, run_profile_add},
    {"profile", "set", "profile set NAME [LISTS]", "change a profile's lists",
     "Options as for profile add. A list is replaced only when --check (or --reply) is given.\n",
     OPT_CHECK | OPT_REPLY, 1, 1, NEEDS_ADMISSION, nullptr, run_profile_set},
    {"profile", "remove", "profile remove NAME", "remove a profile no user links",
     "Refused, with exit status 4, while a user links the profile: the first such user is named.\n", 0, 1, 1,
     NEEDS_ADMISSION, nullptr, run_profile_remove},
    {"config", nullptr, "config [--json]", "the server's configuration, as config show", nullptr, OPT_JSON, 0, 0,
     NEEDS_ADMISSION, nullptr, run_config_show},
    {"config", "show", "config show [--json]", "the authentication order, log days and rejection messages",
     "Messages are shown with tab, line feed and carriage return written \\t, \\n and \\r.\n", OPT_JSON, 0, 0,
     NEEDS_ADMISSION, nullptr, run_config_show},
    {"config", "set", "config set [--order METHODS] [--log-days N] [--message KEY=TEXT]...",
     "change the server's configuration",
     "METHODS: the active authentication methods in order, comma-separated, by the names config show\n"
     "prints (SecurID brings its prefixes and suffixes along); the others become inactive.\n"
     "N: the days log files are kept, 0 to 999. KEY: unknown-user, unknown-client, check-failure,\n"
     "invalid-attribute or other-failure; TEXT as config show prints it, \"\" deletes the message.\n"
     "Parts not given keep their stored values; a save that stops part way names what was written.\n",
     OPT_ORDER | OPT_LOG_DAYS | OPT_MESSAGE, 0, 0, NEEDS_ADMISSION, nullptr, run_config_set},
    {"export", nullptr,
     "export FILE [--users] [--profiles] [--clients] [--proxies] [--pools] [--messages] [--configuration] "
     "[--access]",
     "write the database to a .rif file",
     "Writes the parts given (every part when none is given) as the console's Export does, to the same\n"
     "bytes, and appends to export.log in the current directory. Exits 4 when an error was logged, with\n"
     "the count on stderr. Shows its progress on stderr when stderr is a terminal.\n",
     OPT_EXPORT_PARTS, 1, 1, NEEDS_ADMISSION, nullptr, run_export},
    {"import", nullptr,
     "import FILE [--users] [--profiles] [--clients] [--proxies] [--pools] [--messages] [--configuration] "
     "[--access] [--replace ask|all|none] [--scan-only]",
     "read a .rif file into the database",
     "Reads the parts given (every part when none is given) as the console's Import does, and appends to\n"
     "import.log in the current directory. An object the database holds already is asked about\n"
     "(--replace ask: replace, all, skip or cancel), replaced (all) or left alone (none); without\n"
     "--replace, ask when standard input is a terminal, none otherwise. --scan-only reads the file and\n"
     "prints what it offers, \"** \" before objects whose lines hold errors, and writes nothing.\n"
     "Exits 4 when an error was logged, with the count on stderr.\n",
     OPT_EXPORT_PARTS | OPT_IMPORT_REPLACE | OPT_SCAN_ONLY, 1, 1, NEEDS_ADMISSION, check_replace_mode, run_import},
    {"import-users", nullptr,
     "import-users FILE --dictionary BASE [--ignore-attributes] [--profile NAME] [--pap-only] "
     "[--replace ask|all|none] [--scan-only]",
     "read a users file of another RADIUS server into native users",
     "Reads a users file written with the server's import dictionary pair BASE (BASE.DCT and BASE.DCI),\n"
     "as the console's Import does for a file not named .rif, and appends to import.log in the current\n"
     "directory. --ignore-attributes keeps only each user's password; --profile links every user to a\n"
     "profile; --pap-only keeps passwords as digests. The replace question and --scan-only are those of\n"
     "import. Exits 4 when an error was logged, with the count on stderr.\n",
     OPT_DICTIONARY | OPT_IGNORE_ATTRIBUTES | OPT_PROFILE | OPT_PAP_ONLY | OPT_IMPORT_REPLACE | OPT_SCAN_ONLY, 1, 1,
     NEEDS_ADMISSION, check_import_users, run_import_users},
    {"report", nullptr, "report FILE [--sections LIST]", "write the RTF report of the server's database and state",
     "Writes the report the console's File|Report writes, to the same bytes, without opening a viewer.\n"
     "LIST is a comma-separated choice of clients, proxies, users, profiles, pools, access,\n"
     "configuration, statistics and sessions (every section when --sections is not given); the report\n"
     "keeps its own order. A section that cannot be read is reported on stderr and left short, the\n"
     "others are written, and the exit status is 4.\n",
     OPT_REPORT_SECTIONS, 1, 1, NEEDS_ADMISSION, check_report, run_report},
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
