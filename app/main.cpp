#include "app/Tavrio.h"

int main(int argc, char** argv) { return tavrio::run(argc, argv); }
