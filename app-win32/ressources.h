// Resource identifiers shared by corrinom.rc and the code.
#pragma once

#define kIconeProgramme 1
