; Mensurix interface texts: Italian (Italiano)

[Messages]
MS_Homepage=Sito web: %1
MS_CopyRight=Copyright © %1
MS_ValueTooLong=Il valore può avere al massimo %1 caratteri; il testo non è stato inserito.

[FrmConvert]
Label1.Caption=Numero massimo di decimali:
Label2.Caption=Selezionare:
Label3.Caption=Da:
Label4.Caption=A:
CheckBoxDouHao.Caption=Separatore delle migliaia
Label28.Caption=>> Lingua
BtnSysClose.Hint=Chiudi
BtnSysMinSize.Hint=Riduci a icona
PM_Copy.Caption=Copia negli appunti
PM_CopyExact.Caption=Copia valore esatto
PM_CopyPlain.Caption=Copia senza separatori
PM_CopyTable.Caption=Copia tabella
PM_English.Caption=Inglese
PM_Spanish.Caption=Spagnolo
PM_German.Caption=Tedesco
PM_Italian.Caption=Italiano
PM_French.Caption=Francese
ComboBoxUnits.Items=Lunghezza||Superficie||Volume||Massa||Tempo||Velocità||Accelerazione||Forza||Pressione||Energia||Potenza||Temperatura||Angolo||Frequenza||Quantità di dati||Velocità di trasmissione||Densità||Portata volumetrica||Portata massica||Coppia||Viscosità dinamica||Viscosità cinematica||Corrente elettrica||Carica elettrica||Tensione elettrica||Resistenza elettrica||Capacità elettrica||Induttanza||Flusso magnetico||Induzione magnetica||Illuminamento||Luminanza||Radioattività||Dose assorbita||Dose equivalente||Quantità di sostanza
