#pragma once
// The texts Qt draws itself (file dialog, standard buttons) in Japanese, as
// the rest of the program. False when Qt's Japanese translations are not
// installed; the texts stay English then.
bool InstallQtTranslations();
