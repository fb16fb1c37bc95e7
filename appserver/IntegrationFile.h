#pragma once
// The integration file as the application server sees it: the header and the definition records
// that an exporting branch writes before its menu lines (docs/integration-file.md). Menu lines are
// not kept here: a file may hold tens of millions of them, so the reader hands them over one at a
// time.
//
// Text is UTF-8 (decoded from the file's Windows-1252). Codes are in their stored form: branch 4,
// service 5, diet 4, dish type 2 and dish 6 characters, numeric codes left-padded with "0".
#include "DateTime.h"

#include <string>
#include <string_view>
#include <vector>

struct IntegrationHeader {
    std::string originBranch;
    std::string originBranchName;
    TDateTime firstDay;
    TDateTime lastDay;
};

struct FileService {
    std::string code;
    std::string name;
    bool hospital = false;
};

// A standard diet of one service.
struct FileDiet {
    std::string service;
    std::string code;
    std::string name;
};

// One row of a service's menu configuration. The same dish type code may appear more than once
// in a service under different sequences; (service, code, sequence) is the key.
struct FileDishType {
    std::string service;
    std::string code;
    int sequence = 0;
    int order = 0;
    std::string name;
    bool option = false;
};

struct FileDish {
    std::string code;
    std::string name;
};

// One dish served on one day, for one diet, in one slot (dish type and sequence) of a service's
// menu. The views point into the bytes being read: valid only during the sink call that
// receives the line.
struct MenuLine {
    std::string_view service;
    TDateTime date;
    std::string_view diet;
    std::string_view dishType;
    int sequence = 0;
    std::string_view dish;
    int diners = 0;
};

// Header and definitions, in file order.
struct IntegrationFile {
    IntegrationHeader header;
    std::vector<FileService> services;
    std::vector<FileDiet> diets;
    std::vector<FileDishType> dishTypes;
    std::vector<FileDish> dishes;
};
