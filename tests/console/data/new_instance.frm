VERSION 5.00
Object = "{A204361F-019D-469C-9D58-120B5BE02315}#1.0#0"; "FolivanTabs.ocx"
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   4800
   ClientWidth     =   6600
   ScaleHeight     =   4800
   ScaleWidth      =   6600
   Begin FolivanTabs.FolivanTab FolivanTab1 
      Height          =   4500
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   6000
      _ExtentX        =   10583
      _ExtentY        =   7938
      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Tabs            =   3
      StripH          =   0
      Caption         =   "Tab 0"
      ForeCol         =   0
      HiddR           =   2
      BLD             =   -1  'True
      HT              =   -1  'True
      TabToolTip(0)   =   ""
      TabToolTip(1)   =   ""
      TabToolTip(2)   =   ""
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
