// The screens of the fiscal statements, one line per kind of editor.
void RegistraTelasDeLinhas();
void RegistraTelaAnexo03();

void RegistraTelasDemonstrativos()
{
    RegistraTelasDeLinhas();
    RegistraTelaAnexo03();
}
