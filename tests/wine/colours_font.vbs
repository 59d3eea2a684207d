' A script client's view of the colour members and of the font object: colours
' are Longs that compare, add and take negative system colours; Font is the
' control's own font object, whose changes reach the control. cscript exits 0
' even when a script dies, so the last line is a sentinel that the harness
' requires.
Option Explicit

Dim passed, failed
passed = 0
failed = 0

Sub Check(name, actual, expected)
  If actual = expected Then
    passed = passed + 1
    WScript.Echo "ok - " & name
  Else
    failed = failed + 1
    WScript.Echo "not ok - " & name & ": got [" & actual & "], expected [" & expected & "]"
  End If
End Sub

Dim c
Set c = CreateObject("FolivanTabs.FolivanTab")

' Colours stored as given: read, compared, added, written as system colours and
' as any 32-bit value. (Wine's VBScript has no Eval: one line per member.)
Sub CheckColour(name, value, same, system, any)
  Check name & " reads as a Long", TypeName(value), "Long"
  Check name & " compares with itself", same, True
  Check name & " takes a system colour (a negative Long)", system, &H80000005
  Check name & " takes any 32-bit value, and adds", any + 1, -4
End Sub
Dim value, system
value = c.BackColor: c.BackColor = &H80000005: system = c.BackColor: c.BackColor = -5: CheckColour "BackColor", value, c.BackColor = -5, system, c.BackColor
value = c.ForeColor: c.ForeColor = &H80000005: system = c.ForeColor: c.ForeColor = -5: CheckColour "ForeColor", value, c.ForeColor = -5, system, c.ForeColor
value = c.TabColorForeGround: c.TabColorForeGround = &H80000005: system = c.TabColorForeGround: c.TabColorForeGround = -5: CheckColour "TabColorForeGround", value, c.TabColorForeGround = -5, system, c.TabColorForeGround
value = c.TabColorShadow: c.TabColorShadow = &H80000005: system = c.TabColorShadow: c.TabColorShadow = -5: CheckColour "TabColorShadow", value, c.TabColorShadow = -5, system, c.TabColorShadow
value = c.TabColorLight: c.TabColorLight = &H80000005: system = c.TabColorLight: c.TabColorLight = -5: CheckColour "TabColorLight", value, c.TabColorLight = -5, system, c.TabColorLight
value = c.TabColorDarkShadow: c.TabColorDarkShadow = &H80000005: system = c.TabColorDarkShadow: c.TabColorDarkShadow = -5: CheckColour "TabColorDarkShadow", value, c.TabColorDarkShadow = -5, system, c.TabColorDarkShadow
value = c.TabColorHighLight: c.TabColorHighLight = &H80000005: system = c.TabColorHighLight: c.TabColorHighLight = -5: CheckColour "TabColorHighLight", value, c.TabColorHighLight = -5, system, c.TabColorHighLight
Check "GetClientAreaColor reads as a Long", TypeName(c.GetClientAreaColor), "Long"
Check "GetClientAreaColor adds", c.GetClientAreaColor + 0 = c.GetClientAreaColor, True

' Gradient colours are translated when written: a system colour reads back as RGB.
c.cTabStartColor = &H8000000F
Check "cTabStartColor reads as a Long", TypeName(c.cTabStartColor), "Long"
Check "cTabStartColor of a system colour reads as RGB", c.cTabStartColor >= 0, True
Check "cTabStartColor is the current tab's start colour", c.cTabStartColor, c.TabStartColor(c.CurrentTab)
c.cTabEndColor = &HFF
Check "cTabEndColor reads back an RGB value", c.cTabEndColor, &HFF
c.TabStartColor(1) = &H80000005
Check "TabStartColor(1) of a system colour reads as RGB", c.TabStartColor(1) >= 0, True
c.TabEndColor(1) = &H123456
Check "TabEndColor(1) compares and adds", c.TabEndColor(1) + 1, &H123457

' The font object is the control's own.
Check "Font is the same object on every read", c.Font Is c.Font, True
c.Font.Bold = True
Check "c.Font.Bold = True reaches the control", c.Font.Bold, True
c.Font.Size = 12
Check "c.Font.Size = 12 reaches the control", c.Font.Size, 12
Dim f
Set f = c.Font
f.Italic = True
Check "a change through a kept reference reaches the control", c.Font.Italic, True
Dim other
Set other = CreateObject("FolivanTabs.FolivanTab")
other.Font.Name = "MS Sans Serif"
Set c.Font = other.Font
Check "Set Font takes the other font's values", c.Font.Name, "MS Sans Serif"
Check "Set Font takes them all", c.Font.Bold, False
Check "Set Font takes the size", c.Font.Size, other.Font.Size
Check "the font object stays the control's own after Set", c.Font Is f, True

WScript.Echo "RESULT " & passed & " " & failed
WScript.Echo "SENTINEL-END"
