#include "ui/Telas.h"

// The users and groups editors register here ("arquivo.usuarios", "arquivo.grupos").
void RegistraTelasUsuarios() {}
