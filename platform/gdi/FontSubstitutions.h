#pragma once
// Drawings name the Windows Japanese faces; they are drawn with the IPA
// faces installed in their place. The program and the tests call this once
// before any text is drawn.
void InstallFontSubstitutions();
