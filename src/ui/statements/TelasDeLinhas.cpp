void RegistraTelasDeLinhas() {}
