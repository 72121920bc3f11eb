#include "app/Talix.h"

int main(int argc, char** argv) { return talix::app::runTalix(argc, argv); }
