// The server API pipe protocol: services, their functions and the item tags
// of each, named once for the client and the reference server alike. A tag
// means something only within its service; where a request and its response
// use one number for two things, both names are given.
#pragma once

#include <stdint.h>

// Every response may carry a u16 status item, which replaces header word 0.
const uint16_t TAG_STATUS = 1;

enum Service : uint16_t {
    SERVICE_DATABASE = 1,
    SERVICE_STATISTICS = 2,
    SERVICE_ADMIN = 3,
    SERVICE_ACCESS = 4,
    SERVICE_DICTIONARY = 5,
    SERVICE_STATUS_TEXT = 6,
    SERVICE_CURRENT_USERS = 7,
    SERVICE_PRODUCTS = 8,
    SERVICE_KEEP_ALIVE = 9,
    SERVICE_LOCK = 10,
    SERVICE_VERSION = 11,
};

// Service 1: the object store.
enum DatabaseFunction : uint16_t {
    DB_SET_TEXT = 1,
    DB_SET = 3,
    DB_GET = 4,
    DB_CREATE = 5,
    DB_DELETE = 6,
    DB_EXISTS = 7,
    DB_ENUMERATE = 8,
    DB_RENAME = 9,
};
enum DatabaseTag : uint16_t {
    DB_TAG_CLASS = 2,
    DB_TAG_OBJECT = 3,
    DB_TAG_PROPERTY = 4,
    DB_TAG_VALUE = 5,     // a value, a names block, the name to continue after, or a new name
    DB_TAG_LENGTH = 6,    // of the value or names block
    DB_TAG_CAPACITY = 7,  // of the client's receive area
    DB_TAG_FLAG = 8,      // exists, or more names follow
};

// Service 2: the counters, one block of (u16 id, u32 value) records.
const uint16_t STATISTICS_GET = 1;
const uint16_t STATISTICS_TAG_COUNTERS = 3;
const uint16_t STATISTICS_UP_TIME = 0;  // the counter of the server's up time in seconds

// Service 3: administrators.
enum AdminFunction : uint16_t {
    ADMIN_ENUMERATE = 1,
    ADMIN_SET = 2,
};
enum AdminTag : uint16_t {
    ADMIN_TAG_KIND = 2,
    ADMIN_TAG_LEVEL = 3,
    ADMIN_TAG_NAME = 4,  // the name to set, or the name to continue after
    ADMIN_TAG_NAMES = 5,
    ADMIN_TAG_CAPACITY = 6,  // request: the client's receive area
    ADMIN_TAG_LENGTH = 6,    // response: of the names block
    ADMIN_TAG_MORE = 7,
};

// Service 4: the caller's access level.
const uint16_t ACCESS_GET_LEVEL = 5;
const uint16_t ACCESS_TAG_LEVEL = 4;

// Service 5: dictionaries.
// The two tables are requested by function number.
enum DictionaryTable : uint16_t {
    DICTIONARY_ATTRIBUTES = 2,   // records of name, number, type, flags
    DICTIONARY_VALUE_NAMES = 4,  // records of attribute, value name, value, aux
};
const uint16_t DICTIONARY_LIST = 6;
enum DictionaryTag : uint16_t {
    DICT_TAG_DICTIONARY = 6,  // request: which dictionary; list: one name each
    DICT_TAG_LIST_STATUS = 8,
    DICT_TAG_NAME = 9,
    DICT_TAG_VALUE_NAME = 10,
    DICT_TAG_NUMBER = 11,
    DICT_TAG_TYPE = 12,
    DICT_TAG_FLAGS = 13,
    DICT_TAG_END = 14,
    DICT_TAG_COUNT = 15,
};

// Service 6: the server's status text.
const uint16_t STATUS_TEXT_GET = 1;
enum StatusTextTag : uint16_t {
    STATUS_TEXT_TAG_CAPACITY = 2,  // request
    STATUS_TEXT_TAG_LENGTH = 2,    // response
    STATUS_TEXT_TAG_TEXT = 3,
};

// Service 7: current users. The key of a record is its fields 5, 6, 7, 8,
// 10 and 11 as texts, then an end item.
enum CurrentUsersFunction : uint16_t {
    CURRENT_USERS_LIST = 1,
    CURRENT_USERS_DELETE = 2,
};
enum CurrentUsersTag : uint16_t {
    CU_TAG_BATCH = 2,
    CU_TAG_COUNT = 3,
    CU_TAG_END = 4,  // closes a record or a key
    CU_TAG_RAS_CLIENT = 5,
    CU_TAG_USER = 6,
    CU_TAG_DN = 7,
    CU_TAG_SESSION_ID = 8,
    CU_TAG_TIME = 9,
    CU_TAG_PORT = 10,
    CU_TAG_PORT_TYPE = 11,
    CU_TAG_IP = 12,
};
// The widths, NUL included, to which the console cuts each field; a key is
// sent as cut.
enum CurrentUsersWidth : uint16_t {
    CU_WIDTH_RAS_CLIENT = 32,
    CU_WIDTH_USER = 256,
    CU_WIDTH_DN = 256,
    CU_WIDTH_SESSION_ID = 256,
    CU_WIDTH_TIME = 20,
    CU_WIDTH_PORT = 11,
    CU_WIDTH_PORT_TYPE = 32,
    CU_WIDTH_IP = 16,
};
const uint16_t CU_MAX_BATCH = 72;

// Service 8: the product list.
const uint16_t PRODUCTS_GET = 2;
enum ProductTag : uint16_t {
    PRODUCT_TAG_COUNT = 1,  // u32, four bytes: not a status item
    PRODUCT_TAG_NAME = 5,
    PRODUCT_TAG_END = 9,
    PRODUCT_TAG_VALUE = 10,
};

// Service 9.
const uint16_t KEEP_ALIVE_SEND = 1;

// Service 10: locks.
enum LockFunction : uint16_t {
    LOCK_TAKE = 1,
    LOCK_RELEASE = 2,
};
enum LockTag : uint16_t {
    LOCK_TAG_SCOPE = 2,
    LOCK_TAG_RESULT = 3,
    LOCK_TAG_WAIT = 4,
    LOCK_TAG_NAME = 5,
};
enum LockScope : uint16_t {
    LOCK_SCOPE_SERVER = 0,
    LOCK_SCOPE_NAMED = 1,
};
// The result item of a lock exchange; 4 and 6 both mean the release failed.
enum LockResult : uint16_t {
    LOCK_GRANTED = 1,
    LOCK_HELD_BY_OTHER = 2,
    LOCK_RELEASED = 3,
    LOCK_NOT_HELD = 4,
    LOCK_RELEASE_FAILED = 6,
};

// Service 11: option mask and versions.
enum VersionFunction : uint16_t {
    VERSION_OPTION_MASK = 1,
    VERSION_SERVICE = 2,
    VERSION_CHECK_CONSOLE = 3,
};
enum VersionTag : uint16_t {
    VERSION_TAG_OPTION_MASK = 2,
    VERSION_TAG_VERSION = 3,  // the service's version, the console's, or the one required
};
