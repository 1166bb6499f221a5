// corrinom: the window program.
#include "app/lancement.h"

int main(int argc, char** argv) { return corrinom::app::Lance(argc, argv); }
