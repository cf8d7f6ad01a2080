// Placeholder until the keyword tables land.
#include "cli/keywords.h"
int KeywordToCode(int, const std::string&) { return 0; }
std::string KeywordForCode(int, int) { return ""; }
