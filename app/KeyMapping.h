#pragma once
// The Windows virtual-key code of a Qt key, for the key state that long
// work polls; 0 for keys it does not know.
int VirtualKeyFromQt(int qtKey);
