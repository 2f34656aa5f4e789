// The screens of the fiscal statements, one line per kind of editor.
void RegistraTelasDeLinhas();
void RegistraTelaAnexo22A();
void RegistraTelaAnexo03();
void RegistraTelasListas();

void RegistraTelasDemonstrativos()
{
    RegistraTelasDeLinhas();
    RegistraTelaAnexo22A();
    RegistraTelaAnexo03();
    RegistraTelasListas();
}
