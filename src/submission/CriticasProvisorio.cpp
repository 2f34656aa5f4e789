// Stands in for the checks until they are merged; removed then.
#include "submission/Criticas.h"

Problemas ExecutaCriticas(Contexto&) { return {}; }
