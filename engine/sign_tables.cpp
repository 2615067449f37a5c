#include "engine/sign_tables.h"

namespace SignTables {

namespace {

template <std::size_t N>
constexpr SignTable table(Bounds bounds, int width, const SignRange (&ranges)[N])
{
    return {bounds, width, ranges, N};
}

// Indices into the year-animal lists of data/sign_keys.
enum Animal { Rat, Ox, Tiger, Cat, Dragon, Snake, Horse, Goat, Monkey, Rooster, Dog, Pig };

// clang-format off
const SignRange ZodiacRanges[] = {
    {1357, 1367, 0}, {0, 1020, 0, true}, // Козерог
    {1021, 1051, 1},  {1052, 1080, 2},  {1081, 1111, 3},  {1112, 1141, 4},
    {1142, 1173, 5},  {1174, 1204, 6},  {1205, 1236, 7},  {1237, 1267, 8},
    {1268, 1297, 9},  {1298, 1327, 10}, {1328, 1356, 11},
};

const SignRange DruidRanges[] = {
    {1358, 1367, 0}, {0, 1001, 0, true}, {1177, 1186, 0},
    {1002, 1011, 1},  {1187, 1196, 1},
    {1012, 1024, 2},  {1197, 1207, 2},
    {1025, 1034, 3},  {1208, 1217, 3},
    {1035, 1039, 4},  {1218, 1226, 4},
    {1040, 1049, 5},  {1227, 1236, 5},
    {1050, 1060, 6},  {1237, 1246, 6},
    {1061, 1070, 7},  {1247, 1256, 7},
    {1071, 1080, 8},  {1257, 1266, 8},
    {1081, 1081, 9},
    {1082, 1091, 10}, {1268, 1277, 10},
    {1092, 1101, 11}, {1278, 1287, 11},
    {1102, 1111, 12}, {1288, 1297, 12},
    {1112, 1121, 13}, {1298, 1307, 13},
    {1122, 1135, 14}, {1308, 1316, 14},
    {1136, 1145, 15}, {1317, 1326, 15},
    {1146, 1155, 16}, {1327, 1336, 16},
    {1156, 1165, 17}, {1337, 1346, 17},
    {1166, 1175, 18}, {1347, 1355, 18},
    {1176, 1176, 19},
    {1267, 1267, 20},
    {1356, 1356, 21}, {1357, 1357, 21},
};

const SignRange FlowerRanges[] = {
    {1001, 1010, 0},  {1011, 1020, 1},  {1021, 1031, 2},  {1032, 1041, 3},  {1042, 1050, 4},
    {1051, 1060, 5},  {1061, 1070, 6},  {1071, 1080, 7},  {1081, 1091, 8},  {1092, 1101, 9},
    {1102, 1111, 10}, {1112, 1121, 11}, {1122, 1131, 12}, {1132, 1142, 13}, {1143, 1152, 14},
    {1153, 1163, 15}, {1164, 1173, 16}, {1174, 1183, 17}, {1184, 1194, 18}, {1195, 1205, 19},
    {1206, 1215, 20}, {1216, 1225, 21}, {1226, 1236, 22}, {1237, 1246, 23}, {1247, 1255, 24},
    {1256, 1266, 25}, {1267, 1277, 26}, {1278, 1287, 27}, {1288, 1297, 28}, {1298, 1307, 29},
    {1308, 1317, 30}, {1318, 1327, 31}, {1328, 1337, 32}, {1338, 1347, 33}, {1348, 1357, 34},
    {1358, 1366, 35},
};

const SignRange MythRanges[] = {
    {1008, 1043, 0}, {1044, 1078, 1}, {1079, 1115, 2}, {1116, 1151, 3}, {1152, 1185, 4},
    {1186, 1223, 5}, {1224, 1259, 6}, {1260, 1296, 7}, {1297, 1335, 8},
    {1336, 1367, 9}, {0, 1007, 9, true},
};

// clang-format on

// The year-animal and Aryan rows, one per year of 1900..2099.
#include "engine/year_tables.inc"

const SignTable Zodiac = table(Bounds::Inclusive, 4, ZodiacRanges);
const SignTable YearAnimal = table(Bounds::Strict, 5, YearAnimalRanges);
const SignTable Druid = table(Bounds::Inclusive, 4, DruidRanges);
const SignTable Flower = table(Bounds::Inclusive, 4, FlowerRanges);
const SignTable Mythological = table(Bounds::Inclusive, 4, MythRanges);
const SignTable Aryan = table(Bounds::Inclusive, 5, AryanRanges);

} // namespace

const SignTable &zodiac()
{
    return Zodiac;
}
const SignTable &yearAnimal()
{
    return YearAnimal;
}
const SignTable &druid()
{
    return Druid;
}
const SignTable &flower()
{
    return Flower;
}
const SignTable &mythological()
{
    return Mythological;
}
const SignTable &aryan()
{
    return Aryan;
}

} // namespace SignTables
