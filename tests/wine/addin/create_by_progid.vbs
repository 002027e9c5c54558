' A client that knows the add-in only by its ProgIDs: creates each class as any automation
' client does and calls its ribbon member by name. Prints one line per class.
Option Explicit
Dim progIds, progId, addin, ribbon
progIds = Array("Horalink.OfficeWd", "Horalink.OfficeET", "Horalink.OfficePT")
On Error Resume Next
For Each progId In progIds
  Err.Clear
  Set addin = CreateObject(progId)
  If Err.Number = 0 Then
    ribbon = addin.IRibbonExtensibility_GetCustomUI("none")
    If Err.Number = 0 Then
      WScript.Echo progId & " created, ribbon [" & ribbon & "]"
    Else
      WScript.Echo progId & " created, ribbon call failed " & Hex(Err.Number)
    End If
  Else
    WScript.Echo progId & " missing " & Hex(Err.Number)
  End If
  Set addin = Nothing
Next
