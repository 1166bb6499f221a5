// Resource identifiers of the secondary windows (fenetres_annexes.rc), 200 to 299.
#pragma once

#define kIconeImprimer 201
// The guide, converted to RTF at build time, is the RCDATA resource "AIDESCONET".
