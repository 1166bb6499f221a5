// Resource identifiers shared by corrinom.rc and the code.
#pragma once

#define kIconeProgramme 1
#define kIconeMarqueGris 101
#define kIconeMarqueVert 102
#define kIconeMarqueRose 103
#define kIconeMarqueRouge 104
