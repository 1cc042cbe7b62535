; Mensurix interface texts: Spanish (Español)

[Messages]
MS_Homepage=Página web: %1
MS_CopyRight=Copyright © %1
MS_ValueTooLong=El valor admite como máximo %1 caracteres; el texto no se ha insertado.

[FrmConvert]
Label1.Caption=Número máximo de decimales:
Label2.Caption=Seleccione:
Label3.Caption=De:
Label4.Caption=A:
CheckBoxDouHao.Caption=Separadores de miles
Label28.Caption=>> Idioma
BtnSysClose.Hint=Cerrar
BtnSysMinSize.Hint=Minimizar
PM_Copy.Caption=Copiar al portapapeles
PM_CopyExact.Caption=Copiar valor exacto
PM_CopyPlain.Caption=Copiar sin separadores
PM_CopyTable.Caption=Copiar tabla
PM_English.Caption=Inglés
PM_Spanish.Caption=Español
PM_German.Caption=Alemán
PM_Italian.Caption=Italiano
PM_French.Caption=Francés
ComboBoxUnits.Items=Longitud||Superficie||Volumen||Masa||Tiempo||Velocidad||Aceleración||Fuerza||Presión||Energía||Potencia||Temperatura||Ángulo||Frecuencia||Cantidad de datos||Tasa de transferencia||Densidad||Caudal volumétrico||Caudal másico||Par de torsión||Viscosidad dinámica||Viscosidad cinemática||Corriente eléctrica||Carga eléctrica||Tensión eléctrica||Resistencia eléctrica||Capacidad eléctrica||Inductancia||Flujo magnético||Inducción magnética||Iluminancia||Luminancia||Radiactividad||Dosis absorbida||Dosis equivalente||Cantidad de sustancia
