// The import log's texts for users files, kept exactly as administrators
// and their scripts know them (spelling and trailing blanks included).
#pragma once

// Reading a record.
#define UF_MISSING_PASSWORD "Warning: Missing mandatory password for user '%s' at line %d \n"
#define UF_TRAILING_COMMA "Warning: Trailing comma on check attribute line at line. %d \n"
#define UF_PREMATURE_END "Warning: Premature end of file encountered. \n"
#define UF_UNGETC_FAILED "Error: Internal error in routine ungetc(). \n"
#define UF_MISSING_NEW_LINE "Parse Error: Missing new-line character for user record: '%s' \n"
#define UF_CHECK_LIST_FAILED "Parse Error: Could not process check list attributes in user record: '%s' \n"
#define UF_REPLY_LIST_FAILED "Parse Error: Could not process reply list attributes in user record: '%s' \n"
// Lines the layout does not allow, and names that cannot be stored.
#define UF_STRAY_LINE "Warning: Indented line outside any user record ignored at line %d \n"
#define UF_BAD_USER_NAME "Parse Error: Invalid user name at line %d \n"

// Items.
#define UF_MISSING_EQUALS "Parse Error: Missing '=' after attribute '%s'\n"
#define UF_OPERATOR_REFUSED "Parse Error: Operator '%s' is not supported (attribute '%s', user '%s', line %d)\n"
#define UF_UNKNOWN_ATTRIBUTE "DataBase Error: Could not find attribute '%s' in Import dictionary\n"
#define UF_UNKNOWN_TYPE "Parse Error: Unable to determine attribute type for attribute '%s'\n"
#define UF_UNKNOWN_VALUE "DataBase Error: Could not find attribute value '%s' for attribute '%s' in Import dictionary\n"
#define UF_BAD_HEX "DataBase Error: Invalid hexadecimal string '%s'\n"
#define UF_BAD_VALUE "DataBase Error: Invalid value '%s' for attribute '%s'\n"
#define UF_PASSWORD_TOO_LONG "DataBase Error: Password of user '%s' is longer than 31 characters\n"

// Translation into this server's dictionary.
#define UF_NO_MASTER_ID "DataBase Error: Could not find ID for attribute '%s' in Import Dictionary. \n"
#define UF_NOT_IN_PRODUCT "Warning: attribute '%s' is not defined in the master dictionary\r\n"
#define UF_NOT_CHECK_ITEM "Warning: attribute '%s' is not a valid check list attribute\r\n"
#define UF_NOT_REPLY_ITEM "Warning: attribute '%s' is not a valid reply list attribute\r\n"

// Writing a user.
#define UF_CREATE_FAILED "DataBase Error: Unable to delete Class - Class = '%s' obj = '%s'\r\n"
#define UF_SET_FAILED "DataBase Error: Unable to set Property into Database - = '%s' obj = '%s' prop = '%s'\r\n"
#define UF_RENAME_FAILED "DataBase Error: Unable to rename property in Database - Line No. %d  Class =  '%s' Object = '%s'\r\n"
